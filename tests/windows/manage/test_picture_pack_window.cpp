#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include "controls/file_chooser.h"
#include "controls/file_filter.h"
#include "controls/hyperlink.h"
#include "windows/manage/frm_picture_pack.h"
#include "windows/manage/picture_pack_import.h"
#include "library/pack/pack_import.h"
#include "windows/parental/frm_parent_message.h"
#include "tests/support/pack_fixture.h"
#include "tests/support/file_faults.h"
#include "tests/support/modal.h"

namespace {

// Answers the dialogs in turn with the answers given, and keeps what each asked.
class FakeChooser : public FileChooser {
public:
    QList<FileDialogAnswer> answers;
    QList<FileDialogRequest> asked;
    QList<QWidget *> owners;

    FileDialogAnswer Choose(QWidget *owner, const FileDialogRequest &request) override
    {
        asked << request;
        owners << owner;
        return answers.isEmpty() ? FileDialogAnswer{} : answers.takeFirst();
    }
};

FileDialogAnswer Chose(const QStringList &files)
{
    return FileDialogAnswer{1, files, 1, 0, 0};
}

QString MessageOf(frmParentMessage *window)
{
    return window->findChild<QLabel *>()->text();
}

// Answers the next message windows with Continue, keeping what they said.
void AnswerMessages(QStringList *said, int count)
{
    if (count == 0)
        return;
    WhenModal<frmParentMessage>([said, count](frmParentMessage *window) {
        *said << MessageOf(window);
        AnswerMessages(said, count - 1);
        QTest::mouseClick(window->ContinueLink(), Qt::LeftButton);
    });
}

QString Shown(QString message)
{
    return message.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

const QString kCreated = QStringLiteral("The Picture Pack has been successfully created!");

} // namespace

class TestPicturePackWindow : public QObject {
    Q_OBJECT

    QTemporaryDir *m_dir = nullptr;
    QString Animals() const { return m_dir->filePath("Animals"); }

private Q_SLOTS:
    void init()
    {
        m_dir = new QTemporaryDir;
        WriteAnimals(m_dir->path());
    }
    void cleanup()
    {
        CancelPendingModalAnswers();
        delete m_dir;
    }

    void windowShowsItsTextsAndCloses()
    {
        frmPicturePack window(nullptr, nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.lJoin()->Caption(), QStringLiteral("Select files to put into the Picture Pack"));
        QCOMPARE(window.Label1()->Caption(), QStringLiteral("Close"));
        QStringList texts;
        for (const QLabel *label : window.findChildren<QLabel *>())
            texts << label->text();
        QVERIFY(texts.contains("This window allows you to create Picture Packs for Velmora."));
        QVERIFY(texts.contains("Picture Packs are special files that contain several pictures within them.  The "
                               "advantage of a Picture Pack is that distributing pictures will be easier (only one "
                               "file needs to be distributed) and it will ease the process of installing new "
                               "pictures (only one file needs to be installed.)"));
        const QImage shot = window.grab().toImage();
        QCOMPARE(shot.pixelColor(window.width() / 2, window.height() - 12), QColor(Qt::white));
        QVERIFY(shot.pixelColor(window.width() - 1, window.height() / 2) != QColor(Qt::white)); // the edge
        if (qEnvironmentVariableIsSet("VELMORA_SHOT"))
            shot.save(qEnvironmentVariable("VELMORA_SHOT"));
        QTest::mouseClick(window.Label1(), Qt::LeftButton);
        QVERIFY(!window.isVisible());
    }

    void createsPacksUntilClosed()
    {
        FakeChooser chooser;
        const QString first = m_dir->filePath("first"), second = m_dir->filePath("second.VPK");
        chooser.answers = {Chose({Animals() + "/dog.bmp", Animals() + "/cat.bmp"}), Chose({first}),
                           Chose({Animals() + "/cat.bmp"}), Chose({second})};
        frmPicturePack window(nullptr, &chooser);
        window.show();
        QStringList said;
        AnswerMessages(&said, 2);
        QTest::mouseClick(window.lJoin(), Qt::LeftButton);
        QTest::mouseClick(window.lJoin(), Qt::LeftButton);
        QCOMPARE(said, (QStringList{kCreated, kCreated}));
        QVERIFY(window.isVisible());

        QCOMPARE(ContentsOf(first + ".vpk"),
                 HandMadePack("Animals|dog.bmp|cat.bmp", {OutlineBmp(2), OutlineBmp(1)}));
        QCOMPARE(ContentsOf(second + ".vpk"), HandMadePack("Animals|cat.bmp", {OutlineBmp(1)}));
        QCOMPARE(chooser.asked.size(), 4);
        const FileDialogRequest pictures = chooser.asked.at(0), target = chooser.asked.at(1);
        QVERIFY(pictures.kind == FileDialogKind::Open);
        QCOMPARE(pictures.filter, ConvertFilter("Pictures (*.bmp,*.gif,*.jpg)|*.bmp;*.gif;*.jpg"));
        QCOMPARE(pictures.flags & (4096 | 512), 4096L | 512);
        QVERIFY(target.kind == FileDialogKind::Save);
        QCOMPARE(target.title, QStringLiteral("Select where you would like to save the Picture Pack."));
        QCOMPARE(target.filter, ConvertFilter("Velmora Picture Pack|*.vpk"));
        QCOMPARE(target.flags & 2, 2L);
        QCOMPARE(chooser.owners.at(0), &window);
        QCOMPARE(chooser.owners.at(1), &window);
    }

    void cancelOrFailureWritesNothing_data()
    {
        QTest::addColumn<QList<FileDialogAnswer>>("answers");
        QTest::addColumn<int>("asked");
        QTest::addColumn<QString>("message"); // empty: none shown
        QTest::newRow("no pictures chosen") << QList<FileDialogAnswer>{FileDialogAnswer{}} << 1 << QString();
        QTest::newRow("no target chosen")
            << QList<FileDialogAnswer>{Chose({"@/Animals/cat.bmp"}), FileDialogAnswer{}} << 2 << QString();
        QTest::newRow("target folder missing")
            << QList<FileDialogAnswer>{Chose({"@/Animals/cat.bmp"}), Chose({"@/gone/pack.vpk"})} << 2
            << "There was an error saving the Picture Pack. Please make sure that the folder you selected is not "
               "write protected and that there is enough space.";
    }
    void cancelOrFailureWritesNothing()
    {
        QFETCH(QList<FileDialogAnswer>, answers);
        QFETCH(int, asked);
        QFETCH(QString, message);
        FakeChooser chooser;
        for (FileDialogAnswer &answer : answers)
            answer.files.replaceInStrings("@", m_dir->path());
        chooser.answers = answers;
        frmPicturePack window(nullptr, &chooser);
        window.show();
        QStringList said;
        if (!message.isEmpty())
            AnswerMessages(&said, 1);
        QTest::mouseClick(window.lJoin(), Qt::LeftButton);
        QCOMPARE(chooser.asked.size(), asked);
        QCOMPARE(said, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(TreeOf(m_dir->path()), (QStringList{"Animals", "Animals/cat.bmp", "Animals/dog.bmp"}));
    }

    void importAddsABook()
    {
        const QString pack = m_dir->filePath("animals.vpk");
        WriteFile(pack, HandMadePack("Animals|cat.bmp", {OutlineBmp()}));
        QDir().mkpath(m_dir->filePath("root/books/Animals"));
        FakeChooser chooser;
        chooser.answers = {Chose({pack})};
        QWidget owner;
        QStringList said;
        AnswerMessages(&said, 2);
        QCOMPARE(ImportPicturePackInteractively(&owner, m_dir->filePath("root"), &chooser), QStringLiteral("Animals_1"));
        QCOMPARE(said, (QStringList{kImportIntro, AddedMessage("Animals_1")}));
        QCOMPARE(ContentsOf(m_dir->filePath("root/books/Animals_1/cat.bmp")), OutlineBmp());
        const FileDialogRequest asked = chooser.asked.value(0);
        QVERIFY(asked.kind == FileDialogKind::Open);
        QCOMPARE(asked.filter, ConvertFilter("Velmora image pack (*.vpk)|*.vpk"));
        QCOMPARE(asked.flags & (4096 | 512 | 1), 4096L);
        QCOMPARE(chooser.owners.value(0), &owner);
    }

    void importCancelledOrFailedAddsNothing_data()
    {
        QTest::addColumn<bool>("choose");
        QTest::addColumn<QStringList>("said");
        QTest::newRow("cancelled") << false << QStringList{kImportIntro};
        QTest::newRow("not a pack") << true
                                    << QStringList{kImportIntro,
                                                   Shown("There was the following error while trying to add new "
                                                         "pictures to Velmora:\r\nThe file could not be read from "
                                                         "header. Please make sure that the file is not designed "
                                                         "for another version of Velmora.")};
    }
    void importCancelledOrFailedAddsNothing()
    {
        QFETCH(bool, choose);
        QFETCH(QStringList, said);
        FakeChooser chooser;
        if (choose)
            chooser.answers = {Chose({Animals() + "/cat.bmp"})};
        const QStringList before = TreeOf(m_dir->path());
        QStringList shown;
        AnswerMessages(&shown, said.size());
        QCOMPARE(ImportPicturePackInteractively(nullptr, m_dir->filePath("root"), &chooser), QString());
        QCOMPARE(shown, said);
        QCOMPARE(TreeOf(m_dir->path()), before);
    }
};

QTEST_MAIN(TestPicturePackWindow)
#include "test_picture_pack_window.moc"
