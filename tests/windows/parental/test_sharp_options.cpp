// The options window on a sharper screen. CTest runs this on an offscreen
// screen of device pixel ratio 3: the background shows the picture drawn three
// times as large, pixel for pixel, and the window lays out as on a plain screen.
#include <QCheckBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include "controls/hyperlink.h"
#include "tests/support/picture_difference.h"
#include "windows/parental/frm_parental_options.h"

class TestSharpOptions : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QCOMPARE(qGuiApp->devicePixelRatio(), 3.0); } // see CMakeLists.txt

    void theWindowLaysOutAsOnAPlainScreen()
    {
        QTemporaryDir folder;
        frmParentalOptions options(folder.path());
        options.show();
        QVERIFY(QTest::qWaitForWindowExposed(&options));
        QCOMPARE(options.devicePixelRatioF(), 3.0);
        QCOMPARE(options.size(), QSize(560, 440));
        QCOMPARE(options.PlaySounds()->pos(), QPoint(56, 70));
        QCOMPARE(options.UseParentalPassword()->pos(), QPoint(56, 160));
        QCOMPARE(options.PasswordBox()->geometry(), QRect(224, 196, 280, 26));
        QCOMPARE(options.HintBox()->geometry(), QRect(224, 230, 280, 26));
        QCOMPARE(options.Link(0)->pos(), QPoint(340, 392));
        QCOMPARE(options.Link(3)->pos(), QPoint(56, 366));
    }

    void theBackgroundIsTheSharpPicture()
    {
        QTemporaryDir folder;
        frmParentalOptions options(folder.path());
        options.show();
        QVERIFY(QTest::qWaitForWindowExposed(&options));
        const QImage shown = options.grab().toImage();
        QCOMPARE(shown.size(), QSize(1680, 1320));

        const QRect bubble(510, 180, 32, 32); // a bubble on the right, clear of every control
        for (const QWidget *child : options.findChildren<QWidget *>())
            QVERIFY(!child->isVisible() || !child->geometry().intersects(bubble));
        const QImage sharp(QStringLiteral(":/backgrounds/options@3x.png"));
        const QImage broughtUp = QImage(QStringLiteral(":/backgrounds/options.png"))
                                     .scaled(sharp.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY(MaxDifference(broughtUp, sharp, ToDevice(bubble, 3)) > 16); // the two tell apart here
        QVERIFY(MaxDifference(shown, sharp, ToDevice(bubble, 3)) <= 2);
    }
};

QTEST_MAIN(TestSharpOptions)
#include "test_sharp_options.moc"
