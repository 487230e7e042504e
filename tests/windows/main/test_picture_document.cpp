// A child colours a picture from end to end: start-up ends on the browser, a
// picture is chosen and coloured, another opened, and the first found coloured
// when it comes back; clearing, undo, own pictures, damaged files and a full disk.
#include <QLabel>
#include <QtTest>

#include "windows/colouring/canvas_view.h"
#include "controls/picture_button.h"
#include "windows/browser/frm_open.h"
#include "windows/browser/sheet_view.h"
#include "windows/parental/frm_message.h"
#include "tests/support/main_window_rig.h"
#include "tests/support/modal.h"

namespace {

const QByteArray kSettings = " 0 \r\n 0 \r\n 0 \r\n 0 \r\n 4 \r\n\r\n\r\n";

// 200 x 60: four areas side by side, split by black lines at x = 50, 100, 150.
QImage FourAreas()
{
    QImage art(200, 60, QImage::Format_RGB32);
    art.fill(Qt::white);
    for (int line : {50, 100, 150})
        for (int y = 0; y < 60; ++y)
            art.setPixel(line, y, qRgb(0, 0, 0)), art.setPixel(line + 1, y, qRgb(0, 0, 0));
    return art;
}

void Click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

struct Library : Rig {
    Library()
    {
        QDir().mkpath(root.filePath("books/animals"));
        FourAreas().save(root.filePath("books/animals/four.bmp"), "bmp");
        FourAreas().save(root.filePath("books/animals/other.bmp"), "bmp");
        Settle(kSettings);
        window.Form_Load();
    }
    QString Path(const QString &relative) const { return root.filePath(relative); }
    QString Coloured() const { return Path("colored pictures/animals/four.bmp.jpg"); }

    // The open button, with the child picking `fileName` in the browser (or
    // pressing `button` there instead).
    void Open(const QString &fileName, pButton *frmOpen::*button = nullptr)
    {
        WhenModal<frmOpen>([fileName, button](frmOpen *browser) {
            if (button)
                return Click(browser->*button);
            for (int i = 1; i < browser->PictureCells().size(); ++i) {
                const PictureCell &cell = browser->PictureCells()[i];
                if (cell.FileName == fileName)
                    QTest::mouseClick(browser->Pmb, Qt::LeftButton, Qt::NoModifier,
                                      QPoint(cell.Left + 50, cell.Top + 50 + browser->SheetTop()));
            }
        });
        modal_detail::Answered().clear(); // the browser is hidden between uses, not made anew
        window.OpenCommand();
    }

    // A crayon stroke across area `area` (0..3) in red.
    void Colour(int area)
    {
        CanvasView *canvas = window.P;
        window.SetColour(255);
        const auto at = [canvas](qreal x) { return canvas->ViewFromCanvas().map(QPointF(x, 30)).toPoint(); };
        QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, at(area * 50 + 10));
        for (int x = area * 50 + 14; x < area * 50 + 44; x += 4)
            QTest::mouseMove(canvas, at(x));
        QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, at(area * 50 + 40));
    }
    // A coloured thumbnail left from an earlier colouring.
    void WriteStaleColouredThumbnail() const
    {
        QDir().mkpath(Path("colored pictures/animals"));
        QFile file(Coloured() + ".vlm");
        file.open(QIODevice::WriteOnly);
        file.write("stale");
    }
    bool IsRed(int area) const
    {
        const QRgb pixel = window.Document().Engine().CanvasImage().pixel(area * 50 + 25, 30);
        return qRed(pixel) > 150 && qGreen(pixel) < 120;
    }
};

bool FileIsRedAt(const QString &path, int x, int y = 30)
{
    const QColor pixel = QImage(path).pixelColor(x, y);
    return pixel.red() > 150 && pixel.green() < 120;
}

QStringList TextsOf(QWidget *window)
{
    QStringList texts;
    for (const QLabel *label : window->findChildren<QLabel *>())
        texts << label->text();
    return texts;
}

} // namespace

class TestPictureDocument : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { CancelPendingModalAnswers(); }

    void aColouringComesBackWithItsPicture()
    {
        Library rig;
        rig.Open("four.bmp");
        QCOMPARE(rig.window.CurrentPicture(), rig.Path("books/animals/four.bmp"));
        QVERIFY(rig.window.c[1]->Enabled());
        rig.Colour(0);
        QVERIFY(rig.IsRed(0));
        QVERIFY(QFile::exists(rig.Path("books/animals/four.bmp.vlm"))); // built by the browser
        rig.WriteStaleColouredThumbnail();

        rig.Open("other.bmp"); // the picture being left is saved first
        QVERIFY(FileIsRedAt(rig.Coloured(), 25));
        QVERIFY(!FileIsRedAt(rig.Coloured(), 75));
        QVERIFY2(!QFile::exists(rig.Path("books/animals/four.bmp.vlm")), "the stale thumbnails are gone");
        // ... and the browser, shown again, rebuilt the coloured one for the picture chosen last.
        QVERIFY(FileIsRedAt(rig.Coloured() + ".vlm", 12, 50)); // the 200 x 60 page lies at y 35..64 of the square
        QVERIFY(!rig.IsRed(0)); // the other picture is bare

        rig.Open("four.bmp");
        QVERIFY(rig.IsRed(0));
        QCOMPARE(rig.window.Document().Engine().CanvasImage().size(), QSize(200, 60));
        QVERIFY(!rig.window.c[2]->Enabled());

        // Opened with its colouring and not touched: the coloured file is not written again.
        const QDateTime written = QFileInfo(rig.Coloured()).lastModified();
        QTest::qWait(20);
        rig.Open("other.bmp");
        QCOMPARE(QFileInfo(rig.Coloured()).lastModified(), written);
    }

    void fourStrokesThreeUndos()
    {
        Library rig;
        rig.Open("four.bmp");
        for (int area = 0; area < 4; ++area)
            rig.Colour(area);
        for (int undo = 0; undo < 3; ++undo) {
            QVERIFY(rig.window.c[2]->Enabled());
            Click(rig.window.c[2]);
            QVERIFY(!rig.IsRed(3 - undo));
        }
        QVERIFY(!rig.window.c[2]->Enabled()); // the state before the first stroke is out of reach
        QVERIFY(rig.IsRed(0));
    }

    void clearingThenLeavingWritesTheBareLineArt()
    {
        Library rig;
        rig.Open("four.bmp");
        rig.Colour(1);
        bool asked = false;
        WhenModal<frmMessage>([&](frmMessage *gate) {
            asked = TextsOf(gate).contains(QStringLiteral(
                "Would you like to get rid of all the colors? If you don't, call someone who can help you! Or press "
                "never mind"));
            Click(gate->OkButton());
        });
        Click(rig.window.c[1]);
        QVERIFY(asked);
        QVERIFY(!rig.IsRed(1));
        QVERIFY(!rig.window.c[2]->Enabled());
        QVERIFY(rig.window.Timer1.isActive());
        rig.Open("other.bmp");
        QVERIFY(QFile::exists(rig.Coloured()));
        QVERIFY(!FileIsRedAt(rig.Coloured(), 75));
    }

    // Never mind: nothing changes, and the palette moves again.
    void clearingAnsweredWithNeverMindKeepsTheColours()
    {
        Library rig;
        rig.Open("four.bmp");
        rig.Colour(1);
        QString parent;
        WhenModal<frmMessage>([&](frmMessage *gate) {
            parent = gate->ParentText();
            QVERIFY(!gate->PasswordVisible()); // clearing never asks for the password
            Click(gate->CancelButton());
        });
        Click(rig.window.c[1]);
        QCOMPARE(parent, QStringLiteral("There was an attempt to clear out all the colors in the picture. If you click "
                                        "OK, all changes to the picture will be lost and you will be left with a black "
                                        "and white image."));
        QVERIFY(rig.IsRed(1));
        QVERIFY(rig.window.c[2]->Enabled()); // the stroke can still be undone
        QVERIFY(rig.window.Timer1.isActive());
        QVERIFY(!QFile::exists(rig.Coloured())); // not saved: nothing was cleared
    }

    // A coloured thumbnail that still reads but shows an older colouring is
    // not trusted: the browser builds the face again from the coloured picture.
    void theBrowserRefreshesAStaleColouredThumbnail()
    {
        Library rig;
        rig.Open("four.bmp");
        rig.Colour(0);
        rig.window.SaveColouredPicture();
        QImage blue(100, 100, QImage::Format_RGB32);
        blue.fill(Qt::blue);
        QVERIFY(blue.save(rig.Coloured() + ".vlm", "bmp"));
        QImage face;
        modal_detail::Answered().clear(); // the same browser, shown again
        WhenModal<frmOpen>([&face](frmOpen *browser) {
            face = browser->Pmb->Sheet().faces.value(browser->SelectedIndex);
            browser->cClose_Click();
        });
        rig.window.OpenCommand();
        QVERIFY(!face.isNull());
        const QColor shown = face.pixelColor(12, 50);
        QVERIFY2(shown.red() > 150 && shown.blue() < 120, qPrintable(shown.name()));
        QVERIFY(FileIsRedAt(rig.Coloured() + ".vlm", 12, 50));
    }

    void aDamagedPictureSaysSoAndChangesNothing()
    {
        Library rig;
        rig.Open("four.bmp");
        rig.Colour(0);
        QFile damaged(rig.Path("books/animals/other.bmp"));
        QVERIFY(damaged.open(QIODevice::ReadWrite));
        damaged.resize(200); // cut short after the browser has its thumbnail
        damaged.close();
        QStringList told;
        WhenModal<frmMessage>([&](frmMessage *message) {
            told = TextsOf(message) << message->ParentText();
            Click(message->OkButton());
        });
        rig.Open("other.bmp");
        QVERIFY(told.contains(QStringLiteral(
            "Oops, the picture you choose appears to be have something wrong with it, call someone who can help you fix it!")));
        QVERIFY(told.join('|').contains("appears to be damaged or it no longer exists."));
        QCOMPARE(rig.window.CurrentPicture(), rig.Path("books/animals/four.bmp"));
        QVERIFY(rig.IsRed(0));
    }

    void aColouringThatNoLongerFitsIsLeftOut()
    {
        Library rig;
        QDir().mkpath(rig.Path("colored pictures/Animals"));
        QImage wrongSize(50, 50, QImage::Format_RGB32);
        wrongSize.fill(Qt::red);
        wrongSize.save(rig.Path("colored pictures/Animals/four.bmp.jpg"), "jpg"); // another letter case, same folder
        rig.Open("four.bmp");
        QVERIFY(!rig.IsRed(0));
        rig.Open("other.bmp"); // untouched, but the file on disk is not what was shown: replaced
        QCOMPARE(QImage(rig.Path("colored pictures/Animals/four.bmp.jpg")).size(), QSize(200, 60));

        QFile garbage(rig.Path("colored pictures/Animals/other.bmp.jpg"));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write("not a picture");
        garbage.close();
        rig.Open("other.bmp");
        QCOMPARE(rig.window.CurrentPicture(), rig.Path("books/animals/other.bmp"));
        QVERIFY(!rig.IsRed(0));
    }

    void anOwnPictureIsColouredAndKept()
    {
        Library rig;
        rig.Open(QString(), &frmOpen::cPicadd);
        const QString own = rig.Path("books/own pictures/own_0.bmp");
        QCOMPARE(rig.window.CurrentPicture(), own);
        QCOMPARE(rig.window.Document().Engine().CanvasImage().size(), QSize(750, 480));
        rig.Colour(0);
        rig.Open("four.bmp"); // the browser loads afresh and lists the new page
        QVERIFY(FileIsRedAt(rig.Path("colored pictures/own pictures/own_0.bmp.jpg"), 25));
        QCOMPARE(QImage(own).size(), QSize(750, 480)); // its line art rewritten whole
        rig.Open("own_0.bmp");
        QVERIFY(rig.IsRed(0));

        WhenModal<frmMessage>([](frmMessage *gate) { Click(gate->OkButton()); });
        Click(rig.window.c[1]);
        QVERIFY(!rig.IsRed(0));
        QCOMPARE(rig.window.Document().Engine().CanvasImage().pixel(25, 30), qRgb(255, 255, 255));
    }

    void aFullDiskKeepsTheEarlierColouring()
    {
        Library rig;
        rig.Open("four.bmp");
        rig.Colour(0);
        rig.Open("other.bmp");
        const QByteArray before = [&] {
            QFile file(rig.Coloured());
            file.open(QIODevice::ReadOnly);
            return file.readAll();
        }();
        rig.Open("four.bmp");
        rig.Colour(2);
        QString notice;
        WhenModal<frmMessage>([&notice](frmMessage *message) {
            notice = message->ParentText();
            Click(message->OkButton());
        });
        {
            FullDiskGuard full(100);
            rig.Open("other.bmp"); // the save fails; the child goes on to the other picture
        }
        QVERIFY2(notice.startsWith(QStringLiteral("The colors of the picture '%1' could not be saved (")
                                       .arg(QDir::toNativeSeparators(rig.Path("books/animals/four.bmp")))),
                 qPrintable(notice));
        QVERIFY(notice.endsWith(QStringLiteral("The colors saved before are unchanged.")));
        QCOMPARE(rig.window.CurrentPicture(), rig.Path("books/animals/other.bmp"));
        QFile after(rig.Coloured());
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), before);
        for (const QString &name : QDir(rig.Path("colored pictures/animals")).entryList(QDir::Files))
            QVERIFY2(name.endsWith(".jpg") || name.endsWith(".vlm") || name.endsWith(".jpg.lossless"),
                     qPrintable(name + " was left behind"));
    }
};

QTEST_MAIN(TestPictureDocument)
#include "test_picture_document.moc"
