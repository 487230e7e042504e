// The splash on a sharper screen. CTest runs this on an offscreen screen of
// device pixel ratio 3: the background shows the picture drawn three times as
// large, pixel for pixel, and the window lays out as on a plain screen.
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include "controls/hyperlink.h"
#include "tests/support/picture_difference.h"
#include "windows/splash/frm_splash.h"

class TestSharpSplash : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QCOMPARE(qGuiApp->devicePixelRatio(), 3.0); } // see CMakeLists.txt

    void theWindowLaysOutAsOnAPlainScreen()
    {
        QTemporaryDir folder;
        frmSplash splash(nullptr, folder.path());
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        QCOMPARE(splash.devicePixelRatioF(), 3.0);
        QCOMPARE(splash.size(), QSize(520, 340));
        QCOMPARE(splash.lTitle->geometry(), QRect(0, 168, 520, 24));
        QCOMPARE(splash.lLicense->geometry(), QRect(0, 262, 520, 18));
        QCOMPARE(splash.Command1->y(), 212);
        QCOMPARE(splash.HyperLink1->pos(), QPoint((520 - splash.HyperLink1->width()) / 2, 284));
    }

    void theBackgroundIsTheSharpPicture()
    {
        QTemporaryDir folder;
        frmSplash splash(nullptr, folder.path());
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        const QImage shown = splash.grab().toImage();
        QCOMPARE(shown.size(), QSize(1560, 1020));

        const QRect sun(445, 19, 52, 52); // the sun in the top right corner, clear of every control
        for (const QWidget *child : splash.findChildren<QWidget *>())
            QVERIFY(!child->isVisible() || !child->geometry().intersects(sun));
        const QImage sharp(QStringLiteral(":/backgrounds/splash@3x.png"));
        const QImage broughtUp = QImage(QStringLiteral(":/backgrounds/splash.png"))
                                     .scaled(sharp.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY(MaxDifference(broughtUp, sharp, ToDevice(sun, 3)) > 16); // the two tell apart here
        QVERIFY(MaxDifference(shown, sharp, ToDevice(sun, 3)) <= 2);
    }
};

QTEST_MAIN(TestSharpSplash)
#include "test_sharp_splash.moc"
