// A long afternoon of colouring: thousands of random strokes with random tools
// and colours, undos, clears and picture changes on 2400 x 1800 pictures, all
// through the real window. Memory must stay flat: nothing may pile up per
// stroke, per undo or per picture. VELMORA_LONG_USE_STROKES sets the count.
#include <QFile>
#include <QRandomGenerator>
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
const QSize kPage(2400, 1800);

// A page of 48 areas: black lines every 300 pixels across and down.
QImage GridPage(int offset)
{
    QImage art(kPage, QImage::Format_RGB32);
    art.fill(Qt::white);
    for (int x = offset; x < kPage.width(); x += 300)
        for (int y = 0; y < kPage.height(); ++y)
            art.setPixel(x, y, qRgb(0, 0, 0)), art.setPixel(x + 1, y, qRgb(0, 0, 0));
    for (int y = offset; y < kPage.height(); y += 300)
        for (int x = 0; x < kPage.width(); ++x)
            art.setPixel(x, y, qRgb(0, 0, 0)), art.setPixel(x, y + 1, qRgb(0, 0, 0));
    return art;
}

// Resident and peak resident size of this process, in MB.
qint64 StatusMegabytes(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').first().toLongLong() / 1024;
    }
    return -1;
}

void Click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

struct Afternoon : Rig {
    QRandomGenerator random;
    QStringList pictures = {QStringLiteral("grid.bmp"), QStringLiteral("shifted.bmp")};
    int picture = 0;

    explicit Afternoon(quint32 seed) : random(seed)
    {
        QDir().mkpath(root.filePath("books/big"));
        GridPage(150).save(root.filePath("books/big/grid.bmp"), "bmp");
        GridPage(75).save(root.filePath("books/big/shifted.bmp"), "bmp");
        Settle(kSettings);
        window.Form_Load();
        Open(pictures[0]);
    }

    void Open(const QString &fileName)
    {
        WhenModal<frmOpen>([fileName](frmOpen *browser) {
            for (const PictureCell &cell : browser->PictureCells()) {
                if (cell.FileName == fileName)
                    QTest::mouseClick(browser->Pmb, Qt::LeftButton, Qt::NoModifier,
                                      QPoint(cell.Left + 50, cell.Top + 50 + browser->SheetTop()));
            }
        });
        modal_detail::Answered().clear();
        window.OpenCommand();
    }

    void Stroke()
    {
        CanvasView *canvas = window.P;
        QPointF at(random.bounded(kPage.width()), random.bounded(kPage.height()));
        const auto view = [canvas](QPointF point) { return canvas->ViewFromCanvas().map(point).toPoint(); };
        QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, view(at));
        const int moves = 2 + random.bounded(12);
        for (int i = 0; i < moves; ++i) {
            at += QPointF(random.bounded(-60, 61), random.bounded(-60, 61));
            QTest::mouseMove(canvas, view(at));
        }
        QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, view(at));
    }

    void Clear()
    {
        WhenModal<frmMessage>([](frmMessage *gate) { Click(gate->OkButton()); });
        modal_detail::Answered().clear();
        Click(window.c[1]);
    }

    // One thing a child might do next.
    void Step(int index)
    {
        if (index % 700 == 699) {
            Clear();
        } else if (index % 400 == 399) {
            picture = 1 - picture;
            Open(pictures[picture]);
        } else if (index % 40 == 39) {
            for (int undo = random.bounded(1, 4); undo > 0 && window.c[2]->Enabled(); --undo)
                Click(window.c[2]);
        } else {
            if (index % 25 == 0)
                Click(window.pTool[random.bounded(3)]);
            window.SetColour(qint32(random.bounded(0x1000000)));
            Stroke();
        }
    }
};

} // namespace

class TestLongUse : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { CancelPendingModalAnswers(); }

    void memoryStaysFlatOverAnAfternoon()
    {
        const int steps = qEnvironmentVariableIsSet("VELMORA_LONG_USE_STROKES")
                              ? qEnvironmentVariableIntValue("VELMORA_LONG_USE_STROKES")
                              : 5000;
        const quint32 seed = quint32(QDateTime::currentMSecsSinceEpoch());
        qInfo("seed %u, %d steps", seed, steps);
        Afternoon rig(seed);
        QCOMPARE(rig.window.CurrentPicture(), rig.root.filePath("books/big/grid.bmp"));

        // Once every kind of step has happened, whatever memory the run needs is in use.
        const int warmUp = steps * 3 / 10;
        for (int i = 0; i < warmUp; ++i)
            rig.Step(i);
        const qint64 warm = StatusMegabytes("VmRSS:");
        qint64 highest = warm;
        for (int i = warmUp; i < steps; ++i) {
            rig.Step(i);
            if (i % 100 == 0)
                highest = qMax(highest, StatusMegabytes("VmRSS:"));
        }
        const qint64 final = StatusMegabytes("VmRSS:");
        qInfo("resident after warm-up %lld MB, highest after %lld MB, final %lld MB, peak %lld MB", warm, highest,
              final, StatusMegabytes("VmHWM:"));
        QVERIFY(warm > 0);
        // A 2400 x 1800 page is 16.5 MB; an undo step or a leaked page per few
        // hundred strokes would pass this by far.
        QVERIFY2(highest - warm < 40, qPrintable(QStringLiteral("grew from %1 MB to %2 MB").arg(warm).arg(highest)));
        // The pictures changed hands and their colourings were kept.
        QVERIFY(QFile::exists(rig.root.filePath("colored pictures/big/grid.bmp.jpg")));
        QVERIFY(QFile::exists(rig.root.filePath("colored pictures/big/shifted.bmp.jpg")));
    }
};

QTEST_MAIN(TestLongUse)
#include "test_long_use.moc"
