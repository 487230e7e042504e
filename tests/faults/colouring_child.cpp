// A child colouring in the real window, for the colouring kill test: clicks on
// the cells of a grid page, one after another, with pauses of every length,
// until it is killed. After each stroke it prints "stroke CELL MSECS" (the
// cell and the moment the stroke ended); "ready" comes first.
//   velmora_colouring_child ROOT SEED   ROOT holds Settings.ini and the page
#include <QApplication>
#include <QDateTime>
#include <QRandomGenerator>
#include <QtTest>

#include <cstdio>

#include "tests/faults/colouring_page.h"
#include "tests/support/main_window_rig.h"
#include "windows/colouring/canvas_view.h"
#include "windows/colouring/palette_box.h"

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc != 3)
        return 2;
    const QString root = QString::fromLocal8Bit(argv[1]);
    QRandomGenerator random(quint32(QByteArray(argv[2]).toUInt()));
    FakeSystemSession session;
    RecordedSounds sounds;
    FrmMain window({root, &session, &sounds.sounds, false, {}, {}});
    if (!window.Form_Load() || !window.OpenPictureFile(root + QLatin1String(kColouringPage)))
        return 1;
    Q_EMIT window.Pc->ColourChosen(kStrokeColour);
    std::printf("ready\n");
    std::fflush(stdout);
    CanvasView *canvas = window.P;
    for (int stroke = 0;; ++stroke) {
        const int cell = stroke % kCellCount;
        const QPointF centre = CellCentre(cell);
        const auto at = [canvas](QPointF point) { return canvas->ViewFromCanvas().map(point).toPoint(); };
        QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, at(centre));
        for (int step = 1; step <= 3; ++step)
            QTest::mouseMove(canvas, at(centre + QPointF(step, step)), 10);
        QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, at(centre + QPointF(3, 3)));
        std::printf("stroke %d %lld\n", cell, QDateTime::currentMSecsSinceEpoch());
        std::fflush(stdout);
        // Quick strokes, and now and then a rest longer than the save's delay.
        QTest::qWait(random.bounded(10) == 0 ? 1000 + random.bounded(2000) : 20 + random.bounded(300));
    }
}
