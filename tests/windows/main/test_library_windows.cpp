// The colouring window's ways into the library's management windows: the
// settings window's two links, and the browser's "more pictures", after which
// the child chooses from the library as it now is.
#include <QCheckBox>
#include <QLineEdit>
#include <QtTest>

#include "controls/combo.h"
#include "controls/hyperlink.h"
#include "controls/picture_button.h"
#include "windows/browser/frm_open.h"
#include "windows/manage/frm_colored_pictures.h"
#include "windows/manage/frm_manage_pictures.h"
#include "windows/parental/frm_message.h"
#include "windows/parental/frm_parental_options.h"
#include "tests/support/main_window_rig.h"
#include "tests/support/modal.h"

namespace {

const QByteArray kSettings = " 0 \r\n 1 \r\n 0 \r\n 0 \r\n 4 \r\n\r\n\r\n";

void SavePage(const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    QImage page(60, 40, QImage::Format_RGB32);
    page.fill(Qt::white);
    page.save(path, "bmp");
}

void PressOk()
{
    WhenModal<frmMessage>([](frmMessage *gate) { gate->OkButton()->Click(); });
}

struct Library : Rig {
    Library()
    {
        SavePage(root.filePath("books/animals/cat.bmp"));
        SavePage(root.filePath("books/Velmora/owl.bmp"));
        SavePage(root.filePath("colored pictures/animals/cat.bmp.jpg"));
        Settle(kSettings);
        window.Form_Load();
    }
};

// Through the settings button: the gate (answered with `gatePassword` when it
// asks), then the options window with the password switched on and set.
void SetPasswordThroughOptions(FrmMain &window, const QString &gatePassword, const QString &password)
{
    WhenModal<frmMessage>([gatePassword](frmMessage *gate) {
        gate->PasswordBox()->setText(gatePassword);
        gate->OkButton()->Click();
    });
    WhenModal<frmParentalOptions>([password](frmParentalOptions *options) {
        options->UseParentalPassword()->setChecked(true);
        options->PasswordBox()->setText(password);
        options->HintBox()->setText("the usual");
        options->Link(1)->Click(); // Continue
    });
    window.pFunc_Click(4);
}

} // namespace

class TestLibraryWindows : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        CancelPendingModalAnswers();
        modal_detail::Answered().clear();
    }

    void theSettingsWindowOpensBothManagementWindows()
    {
        Library rig;
        rig.window.OpenPictureFile(rig.root.filePath("books/animals/cat.bmp"));
        QStringList books;
        bool colouredShown = false;
        PressOk();
        WhenModal<frmParentalOptions>([&](frmParentalOptions *options) {
            WhenModal<frmColoredPictures>([&](frmColoredPictures *coloured) {
                colouredShown = coloured->isVisible();
                coloured->reject();
                WhenModal<frmManagePictures>([&](frmManagePictures *manage) {
                    for (int i = 0; i < manage->Books()->ListCount(); ++i)
                        books << manage->Books()->List(i);
                    manage->reject();
                    QTimer::singleShot(0, options, [options] { options->reject(); });
                });
                emit options->Link(3)->Click();
            });
            emit options->Link(2)->Click();
        });
        rig.window.pFunc_Click(4);
        QVERIFY(colouredShown);
        QCOMPARE(books, (QStringList{"animals", "Velmora"}));
    }

    void morePicturesLeadsBackToTheBrowser()
    {
        Library rig;
        int browsers = 0;
        bool managed = false;
        // First showing: the grown-up asks for more pictures and adds a book.
        WhenModal<frmOpen>([&](frmOpen *browser) {
            ++browsers;
            PressOk();
            WhenModal<frmManagePictures>([&](frmManagePictures *manage) {
                managed = true;
                SavePage(rig.root.filePath("books/Zoo/zebra.bmp"));
                manage->reject();
                // Second showing: the new book is there; the child closes it.
                WhenModal<frmOpen>([&](frmOpen *again) {
                    ++browsers;
                    bool zebra = false;
                    for (const PictureCell &cell : again->PictureCells())
                        zebra = zebra || cell.FileName == QLatin1String("zebra.bmp");
                    QVERIFY(zebra);
                    again->cClose_Click();
                });
            });
            browser->pMorePics_Click();
        });
        rig.window.OpenCommand();
        QVERIFY(managed);
        QCOMPARE(browsers, 2);
    }


    // The browser stays loaded between uses; its gate must still ask with the
    // password as the grown-up last saved it.
    void theBrowsersGateAsksWithTheSettingsAsTheyAreNow()
    {
        Library rig;
        WhenModal<frmOpen>([](frmOpen *browser) { browser->cClose_Click(); });
        rig.window.OpenCommand();
        QVERIFY(rig.window.Browser()); // made before the settings change

        SetPasswordThroughOptions(rig.window, QString(), "first");
        QVERIFY(rig.window.Settings.Use_Parental_password);
        SetPasswordThroughOptions(rig.window, "first", "second");
        QCOMPARE(rig.window.Settings.Parental_Password, QStringLiteral("second"));

        bool asked = false, oldRefused = false, managed = false;
        modal_detail::Answered().clear(); // the same browser, shown again
        WhenModal<frmOpen>([&](frmOpen *browser) {
            WhenModal<frmMessage>([&](frmMessage *gate) {
                asked = gate->PasswordVisible();
                gate->PasswordBox()->setText("first");
                gate->OkButton()->Click(); // shows the password row
                gate->OkButton()->Click();
                oldRefused = gate->isVisible();
                WhenModal<frmManagePictures>([&](frmManagePictures *manage) {
                    managed = true;
                    manage->reject();
                    WhenModal<frmOpen>([](frmOpen *again) { again->cClose_Click(); });
                });
                gate->PasswordBox()->setText("second");
                gate->OkButton()->Click();
            });
            browser->pMorePics_Click();
        });
        rig.window.OpenCommand();
        QVERIFY(asked);
        QVERIFY(oldRefused);
        QVERIFY(managed);
    }
};

QTEST_MAIN(TestLibraryWindows)
#include "test_library_windows.moc"
