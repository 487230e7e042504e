// The colouring window started on a program folder whose library is half
// missing or damaged: it says what is wrong, repairs what it can, and never
// crashes.
#include <QCheckBox>
#include <QLabel>
#include <QtTest>

#include "windows/main/frm_main.h"
#include "controls/hyperlink.h"
#include "controls/picture_button.h"
#include "windows/browser/frm_open.h"
#include "windows/browser/sheet_view.h"
#include "windows/parental/frm_message.h"
#include "windows/parental/frm_parent_message.h"
#include "windows/parental/frm_parental_options.h"
#include "tests/support/library_fixture.h"
#include "tests/support/main_window_rig.h"
#include "tests/support/modal.h"

namespace {

const QByteArray kSettings = " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 4 \r\n\r\n\r\n";
const QString kLoadProblem = QStringLiteral("There was a problem loading the pictures.");

struct BrokenLibrary : Rig {
    QString Path(const QString &relative) const { return root.filePath(relative); }
    void AddPicture(const QString &relative) const
    {
        QDir().mkpath(QFileInfo(Path(relative)).path());
        QImage picture(60, 40, QImage::Format_RGB32);
        picture.fill(Qt::white);
        for (int x = 0; x < 60; ++x)
            picture.setPixel(x, 20, qRgb(0, 0, 0));
        picture.save(Path(relative), "BMP");
    }
    void MakeFolder(const QString &relative) const { QDir().mkpath(Path(relative)); }
    bool WriteText(const QString &relative, const QByteArray &text) const
    {
        return QDir().mkpath(QFileInfo(Path(relative)).path()) && WriteFile(Path(relative), text);
    }

    // The open button, with the child picking `fileName` in the browser
    // (none: the browser is closed). Returns the file names the browser showed.
    QStringList Open(const QString &fileName)
    {
        auto shown = std::make_shared<QStringList>();
        WhenModal<frmOpen>([fileName, shown](frmOpen *browser) {
            const PictureCell *chosen = nullptr;
            for (int i = 1; i < browser->PictureCells().size(); ++i) {
                const PictureCell &cell = browser->PictureCells()[i];
                *shown << cell.FileName;
                if (cell.FileName == fileName)
                    chosen = &cell;
            }
            if (chosen)
                QTest::mouseClick(browser->Pmb, Qt::LeftButton, Qt::NoModifier,
                                  QPoint(chosen->Left + 50, chosen->Top + 50 + browser->SheetTop()));
            else
                browser->cClose->Click();
        });
        modal_detail::Answered().clear();
        window.OpenCommand();
        return *shown;
    }
};

// Answers the next child's notice with OK, keeping the grown-ups' text.
void AnswerNotice(QString &parentText)
{
    WhenModal<frmMessage>([&parentText](frmMessage *notice) {
        parentText = notice->ParentText();
        notice->OkButton()->Click();
    });
}

} // namespace

class TestBrokenLibrary : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { CancelPendingModalAnswers(); }

    void noUsableBookEndsTheRunWithTheLoadMessage_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<bool>("withPicture"); // books/farm/cow.bmp beside it
        QTest::newRow("no books folder") << "" << false;
        QTest::newRow("empty books folder") << "books/" << false;
        QTest::newRow("a book folder that is a file") << "books/animals" << false;
        QTest::newRow("books that is a file") << "books" << false;
        QTest::newRow("a book without pictures") << "books/animals/" << false;
        // Neither read nor replaced: the thumbnail cannot be had.
        QTest::newRow("a thumbnail that is a folder") << "books/farm/cow.bmp.vlm/" << true;
    }

    void noUsableBookEndsTheRunWithTheLoadMessage()
    {
        QFETCH(QString, setup);
        QFETCH(bool, withPicture);
        BrokenLibrary rig;
        QVERIFY(rig.Settle(kSettings));
        if (withPicture)
            rig.AddPicture("books/farm/cow.bmp");
        if (setup.endsWith('/'))
            rig.MakeFolder(setup);
        else if (!setup.isEmpty())
            QVERIFY(rig.WriteText(setup, "not a folder"));
        QVERIFY(rig.window.Form_Load());
        QString notice;
        AnswerNotice(notice);
        rig.Open(QString());
        QVERIFY2(notice.startsWith(kLoadProblem), qPrintable(notice));
        QVERIFY(!rig.window.isVisible()); // the run has ended
        QVERIFY(!rig.window.Browser());
    }

    void damagedEntriesAreLeftOutOrBuiltAgain_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("a book folder that is a file") << "books/animals";
        QTest::newRow("a thumbnail that is not a picture") << "books/farm/cow.bmp.vlm";
        QTest::newRow("a coloured thumbnail that is not a picture") << "colored pictures/farm/cow.bmp.jpg.vlm";
        QTest::newRow("a coloured picture that is not a picture") << "colored pictures/farm/cow.bmp.jpg";
    }

    void damagedEntriesAreLeftOutOrBuiltAgain()
    {
        QFETCH(QString, damage);
        BrokenLibrary rig;
        QVERIFY(rig.Settle(kSettings));
        rig.AddPicture("books/farm/cow.bmp");
        rig.AddPicture("books/farm/hen.bmp");
        if (damage.endsWith('/'))
            rig.MakeFolder(damage);
        else
            QVERIFY(rig.WriteText(damage, "not a picture"));
        QVERIFY(rig.window.Form_Load());
        QString notice;
        AnswerNotice(notice); // none expected: the answer expires
        QCOMPARE(rig.Open("cow.bmp"), QStringList({"cow.bmp", "hen.bmp"}));
        QCOMPARE(rig.window.CurrentPicture(), rig.Path("books/farm/cow.bmp"));
        QVERIFY(rig.window.isVisible());
        QVERIFY2(notice.isEmpty(), qPrintable(notice));
    }

    void colouredPictureThatIsAFolderIsReported()
    {
        BrokenLibrary rig;
        QVERIFY(rig.Settle(kSettings));
        rig.AddPicture("books/farm/cow.bmp");
        rig.AddPicture("books/farm/hen.bmp");
        rig.MakeFolder("colored pictures/farm/cow.bmp.jpg");
        QVERIFY(rig.window.Form_Load());
        rig.Open("cow.bmp");
        QCOMPARE(rig.window.CurrentPicture(), rig.Path("books/farm/cow.bmp"));
        QString notice;
        AnswerNotice(notice);
        rig.Open("hen.bmp"); // saving the cow's colours first fails
        QVERIFY2(notice.startsWith(QStringLiteral("The colors of the picture '%1' could not be saved (")
                                       .arg(QDir::toNativeSeparators(rig.Path("books/farm/cow.bmp")))),
                 qPrintable(notice));
        QVERIFY2(notice.contains(QStringLiteral("is a folder")), qPrintable(notice));
        QCOMPARE(rig.window.CurrentPicture(), rig.Path("books/farm/hen.bmp"));
        QVERIFY(QFileInfo(rig.Path("colored pictures/farm/cow.bmp.jpg")).isDir());
    }

    void settingsFileThatIsAFolderCannotBeReplaced()
    {
        BrokenLibrary rig;
        rig.AddPicture("books/farm/cow.bmp");
        rig.MakeFolder("Settings.ini");
        QStringList messages;
        const auto answer = [&messages] {
            WhenModal<frmParentMessage>([&messages](frmParentMessage *message) {
                messages << message->findChild<QLabel *>()->text();
                message->ContinueLink()->Click();
            });
        };
        answer(); // the options window's explanation
        WhenModal<frmParentalOptions>([&answer](frmParentalOptions *options) {
            QTest::mouseClick(options->UseParentalPassword(), Qt::LeftButton); // no password
            answer();
            options->Link(1)->Click(); // Continue: the write fails, the window stays
            options->Link(0)->Click(); // Cancel: the run ends
        });
        QVERIFY(!rig.window.Form_Load());
        QCOMPARE(messages.size(), 2);
        // The label shows the message's CR LF as line breaks.
        QCOMPARE(messages[1], QStringLiteral("There was an error while trying to save the settings.\n\nMake sure the "
                                             "disk is not write protected and there is enough space."));
        QVERIFY(QFileInfo(rig.Path("Settings.ini")).isDir());
    }
};

QTEST_MAIN(TestBrokenLibrary)
#include "test_broken_library.moc"
