#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "tests/support/modal.h"
#include "controls/common_dialog.h"
#include "controls/file_chooser.h"
#include "controls/file_dialog.h"
#include "controls/file_filter.h"

namespace {

const QChar kNul(u'\0');

QString Nul(QString text)
{
    return text.replace(u'0', kNul);
}

// Answers every dialog with the same answer and keeps what it was asked.
class FakeChooser : public FileChooser {
public:
    FileDialogAnswer answer;
    FileDialogRequest asked;
    QWidget *owner = nullptr;
    int shown = 0;

    FileDialogAnswer Choose(QWidget *ownerWindow, const FileDialogRequest &request) override
    {
        ++shown;
        owner = ownerWindow;
        asked = request;
        return answer;
    }
};

FileDialogAnswer Chose(QStringList files, int filterIndex = 1, long flags = 0)
{
    return FileDialogAnswer{1, std::move(files), filterIndex, flags, 0};
}

// Types a name into a real file dialog and presses its accept button once the
// dialog takes it (it looks the typed files up first). A dialog still open
// afterwards is cancelled, so a wrong answer fails the test instead of hanging it.
void TypeAndAccept(QFileDialog *dialog, const QString &name)
{
    auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    auto *buttons = dialog->findChild<QDialogButtonBox *>();
    QAbstractButton *accept = nullptr;
    for (QAbstractButton *button : buttons ? buttons->buttons() : QList<QAbstractButton *>()) {
        if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole)
            accept = button;
    }
    if (edit && accept) {
        edit->clear();
        QTest::keyClicks(edit, name);
        if (QTest::qWaitFor([accept] { return accept->isEnabled(); }, 3000))
            accept->click();
    }
    if (dialog->isVisible())
        dialog->reject();
}

void WriteFile(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("x");
}

} // namespace

class TestFileDialogs : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { CancelPendingModalAnswers(); }

    void filterConversion_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("converted");
        QTest::addColumn<QStringList>("nameFilters");
        QTest::newRow("one pair") << "Jpeg file (*.jpg)|*.jpg" << Nul("Jpeg file (*.jpg)0*.jpg00")
                                  << QStringList{"Jpeg file (*.jpg) (*.jpg)"};
        QTest::newRow("several patterns")
            << "Pictures (*.bmp,*.gif,*.jpg)|*.bmp;*.gif;*.jpg"
            << Nul("Pictures (*.bmp,*.gif,*.jpg)0*.bmp;*.gif;*.jpg00")
            << QStringList{"Pictures (*.bmp,*.gif,*.jpg) (*.bmp *.gif *.jpg)"};
        QTest::newRow("two pairs") << "Packs|*.vpk|All files|*" << Nul("Packs0*.vpk0All files0*00")
                                   << QStringList{"Packs (*.vpk)", "All files (*)"};
        QTest::newRow("colon splits a description")
            << "Pack: book|*.vpk|All|*" << Nul("Pack0 book0*.vpk0All0*00")
            << QStringList{"Pack (book)", "*.vpk (All)"};
        QTest::newRow("dangling description dropped") << "Pack: book|*.vpk" << Nul("Pack0 book0*.vpk00")
                                                      << QStringList{"Pack (book)"};
        QTest::newRow("empty") << "" << Nul("00") << QStringList{};
    }
    void filterConversion()
    {
        QFETCH(QString, filter);
        QFETCH(QString, converted);
        QFETCH(QStringList, nameFilters);
        QCOMPARE(ConvertFilter(filter), converted);
        QCOMPARE(QtNameFilters(converted), nameFilters);
    }

    void chosenFilterIsTheNulJoinedPair()
    {
        const QString converted = ConvertFilter("Bitmaps|*.bmp|Pictures|*.gif;*.jpg");
        QCOMPARE(ChosenFilter(converted, 2), Nul("Pictures0*.gif;*.jpg"));
        QCOMPARE(ChosenFilter(converted, 3), QString());
        QCOMPARE(ChosenFilter(converted, 0), QString());
    }

    void parseMultiFileName_data()
    {
        QTest::addColumn<QString>("filename");
        QTest::addColumn<long>("countBefore");
        QTest::addColumn<QString>("dir");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<long>("count");
        QTest::newRow("one file") << Nul("/home/ann/pics/cat.bmp00") << 0L << "/home/ann/pics/"
                                  << QStringList{"cat.bmp"} << 1L;
        QTest::newRow("one file, no folder") << "cat.bmp" << 0L << "" << QStringList{"cat.bmp"} << 1L;
        QTest::newRow("backslash folder") << Nul("C:\\pics\\cat.bmp00") << 4L << "C:\\pics\\"
                                          << QStringList{"cat.bmp"} << 1L;
        QTest::newRow("three files") << Nul("/home/ann/pics0dog.gif0cat.bmp0bird.jpg00") << 0L
                                     << "/home/ann/pics" << QStringList{"dog.gif", "cat.bmp", "bird.jpg"} << 3L;
        QTest::newRow("count goes on") << Nul("/pics0a.bmp0b.bmp00") << 2L << "/pics"
                                       << QStringList{"a.bmp", "b.bmp"} << 4L;
        QTest::newRow("root folder") << Nul("/0a.bmp0b.bmp00") << 0L << "/" << QStringList{"a.bmp", "b.bmp"} << 2L;
    }
    void parseMultiFileName()
    {
        QFETCH(QString, filename);
        QFETCH(long, countBefore);
        QString sDir = "stale";
        QStringList sFiles{"stale"};
        long lFileCount = countBefore;
        ParseMultiFileName(filename, sDir, sFiles, lFileCount);
        QTEST(sDir, "dir");
        QTEST(sFiles, "files");
        QTEST(lFileCount, "count");
    }

    void dialogFlags()
    {
        QCOMPARE(OpenDialogFlags(true, false, false, false, 0), 4096L);
        QCOMPARE(OpenDialogFlags(false, true, true, true, 0), 512L | 1 | 4);
        QCOMPARE(OpenDialogFlags(false, false, false, false, 32 | 64 | 8), 8L); // no hook, no template
        QCOMPARE(SaveDialogFlags(true, 0), 2L | 4);
        QCOMPARE(SaveDialogFlags(false, 64 | 2048), 4L | 2048);
    }

    void saveAsCallReachesTheChooser()
    {
        FakeChooser chooser;
        chooser.answer = Chose({"/home/ann/cat.jpg"});
        QWidget owner;
        SaveFileArgs args{.Filter = "Jpeg file (*.jpg)|*.jpg",
                          .FilterIndex = 1,
                          .DlgTitle = "Save current picture as...",
                          .Owner = &owner};
        GCommonDialog dialog(&chooser);
        QVERIFY(dialog.VBGetSaveFileName(args));
        QCOMPARE(chooser.owner, &owner);
        QVERIFY(chooser.asked.kind == FileDialogKind::Save);
        QCOMPARE(chooser.asked.title, QStringLiteral("Save current picture as..."));
        QCOMPARE(chooser.asked.filter, Nul("Jpeg file (*.jpg)0*.jpg00"));
        QCOMPARE(chooser.asked.filterIndex, 1);
        QCOMPARE(chooser.asked.flags, DialogFlag::OverwritePrompt | DialogFlag::HideReadOnly);
        QCOMPARE(args.Filename, QStringLiteral("/home/ann/cat.jpg"));
        QCOMPARE(args.FileTitle, QStringLiteral("cat.jpg"));
        QCOMPARE(args.Filter, Nul("Jpeg file (*.jpg)0*.jpg"));
        QCOMPARE(dialog.APIReturn(), 1L);
    }

    void openChoiceFillsTheOutputs()
    {
        FakeChooser chooser;
        chooser.answer = Chose({"/p/a.vpk"}, 2, DialogFlag::ReadOnly | DialogFlag::FileMustExist);
        OpenFileArgs args{.Filter = "All|*|Packs|*.vpk"};
        QVERIFY(GCommonDialog(&chooser).VBGetOpenFileName(args));
        QCOMPARE(args.FilterIndex, 2);
        QCOMPARE(args.Filter, Nul("Packs0*.vpk"));
        QCOMPARE(args.flags, DialogFlag::ReadOnly | DialogFlag::FileMustExist);
        QVERIFY(args.ReadOnly);

        // A multiple selection keeps only its folder in the one-name output.
        chooser.answer = Chose({"/p/a.vpk", "/p/b.vpk"});
        args.MultiSelect = true;
        QVERIFY(GCommonDialog(&chooser).VBGetOpenFileName(args));
        QCOMPARE(args.Filename, QStringLiteral("/p"));
    }

    void cancelOrFailureEmptiesTheOutputs_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<long>("extendedError");
        QTest::newRow("cancel") << 0 << 0L;
        QTest::newRow("failure") << 2 << 0x3003L;
    }
    void cancelOrFailureEmptiesTheOutputs()
    {
        QFETCH(int, result);
        QFETCH(long, extendedError);
        FakeChooser chooser;
        chooser.answer.result = result;
        chooser.answer.extendedError = extendedError;
        GCommonDialog dialog(&chooser);
        OpenFileArgs open{.Filename = "a.bmp", .FileTitle = "a", .Filter = "B|*.bmp", .FilterIndex = 1, .flags = 8};
        QVERIFY(!dialog.VBGetOpenFileName(open));
        SaveFileArgs save{.Filename = "a.jpg", .FileTitle = "a", .Filter = "J|*.jpg", .FilterIndex = 1, .flags = 8};
        QVERIFY(!dialog.VBGetSaveFileName(save));
        for (auto [name, title, filter, index, flags] :
             {std::tie(open.Filename, open.FileTitle, open.Filter, open.FilterIndex, open.flags),
              std::tie(save.Filename, save.FileTitle, save.Filter, save.FilterIndex, save.flags)}) {
            QVERIFY(name.isEmpty() && title.isEmpty() && filter.isEmpty());
            QCOMPARE(index, -1);
            QCOMPARE(flags, 0L);
        }
        QCOMPARE(dialog.APIReturn(), long(result));
        QCOMPARE(dialog.ExtendedError(), extendedError);
    }

    void fileDialogCancelKeepsTheName()
    {
        FakeChooser chooser;
        cFileDialog dialog(&chooser);
        dialog.Filename = "before.bmp";
        dialog.ShowOpen();
        dialog.ShowSave();
        QCOMPARE(dialog.Filename, QStringLiteral("before.bmp"));
        QCOMPARE(chooser.shown, 2);
    }

    void fileDialogCancelErrorNamesItsSource()
    {
        FakeChooser chooser;
        cFileDialog dialog(&chooser);
        dialog.CancelError = true;
        for (auto [show, source] : {std::pair{&cFileDialog::ShowOpen, ".cFileDialog"},
                                    std::pair{&cFileDialog::ShowSave, ".cFilenDialog"}}) {
            try {
                (dialog.*show)();
                QFAIL("a cancel with CancelError set must raise");
            } catch (const FileDialogCancelled &error) {
                QVERIFY(error.source().endsWith(QLatin1String(source)));
                QCOMPARE(error.description(), QStringLiteral("User selected cancel."));
            }
        }
    }

    void fileDialogMultipleSelection()
    {
        FakeChooser chooser;
        chooser.answer = Chose({"/pics/b.gif", "/pics/a.bmp"});
        cFileDialog dialog(&chooser);
        dialog.flags = DialogFlag::AllowMultiSelect;
        dialog.SetFilter("Pictures|*.bmp;*.gif");
        dialog.ShowOpen();
        QCOMPARE(chooser.asked.flags, DialogFlag::AllowMultiSelect | DialogFlag::Explorer);
        QCOMPARE(chooser.asked.filter, Nul("Pictures0*.bmp;*.gif00"));
        QString sDir;
        QStringList sFiles;
        long lFileCount = 0;
        dialog.ParseMultiFileName(sDir, sFiles, lFileCount);
        QCOMPARE(sDir, QStringLiteral("/pics"));
        QCOMPARE(sFiles, (QStringList{"b.gif", "a.bmp"}));
        QCOMPARE(lFileCount, 2L);
    }

    void realSaveDialogTakesATypedName()
    {
        QTemporaryDir folder;
        QString title;
        WhenModal<QFileDialog>([&title](QFileDialog *dialog) {
            title = dialog->windowTitle();
            TypeAndAccept(dialog, "picture");
        });
        SaveFileArgs args{.Filter = "Jpeg file (*.jpg)|*.jpg",
                          .FilterIndex = 1,
                          .InitDir = folder.path(),
                          .DlgTitle = "Save current picture as...",
                          .DefaultExt = "jpg"};
        QVERIFY(GCommonDialog().VBGetSaveFileName(args));
        QCOMPARE(title, QStringLiteral("Save current picture as..."));
        QCOMPARE(args.Filename, folder.filePath("picture.jpg"));
        QCOMPARE(args.FileTitle, QStringLiteral("picture.jpg"));
        QCOMPARE(args.FilterIndex, 1);
    }

    void realSaveDialogOverwritePrompt_data()
    {
        QTest::addColumn<bool>("overwritePrompt");
        QTest::newRow("prompt") << true;
        QTest::newRow("no prompt") << false;
    }
    void realSaveDialogOverwritePrompt()
    {
        QFETCH(bool, overwritePrompt);
        QTemporaryDir folder;
        WriteFile(folder.filePath("old.jpg"));
        bool asked = false;
        WhenModal<QFileDialog>([](QFileDialog *dialog) { TypeAndAccept(dialog, "old.jpg"); });
        WhenModal<QMessageBox>([&asked](QMessageBox *box) {
            asked = true;
            box->button(QMessageBox::Yes)->click();
        }, 1000);
        SaveFileArgs args{.OverWritePrompt = overwritePrompt, .Filter = "Jpeg file (*.jpg)|*.jpg",
                          .InitDir = folder.path()};
        QVERIFY(GCommonDialog().VBGetSaveFileName(args));
        QCOMPARE(asked, overwritePrompt);
        QCOMPARE(args.Filename, folder.filePath("old.jpg"));
    }

    void realOpenDialogCancelled()
    {
        WhenModal<QFileDialog>([](QFileDialog *dialog) { dialog->reject(); });
        OpenFileArgs args{.Filename = "x.bmp", .Filter = "Bitmaps|*.bmp"};
        GCommonDialog dialog;
        QVERIFY(!dialog.VBGetOpenFileName(args));
        QVERIFY(args.Filename.isEmpty());
        QCOMPARE(dialog.APIReturn(), 0L);
    }
};

QTEST_MAIN(TestFileDialogs)
#include "test_file_dialogs.moc"
