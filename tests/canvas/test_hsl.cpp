#include <QtTest>

#include <algorithm>
#include <cmath>

#include "canvas/hsl.h"
#include "core/rounding.h"

namespace {

qint32 Rgb(int red, int green, int blue)
{
    return red | (green << 8) | (blue << 16);
}

// The widely published integer routine, word for word with HLSMAX = RGBMAX = 255:
// floating divisions, each stored value rounded with halves to even. Ours may
// differ from it by one step.
Hsl PublishedRgbToHsl(int red, int green, int blue)
{
    const int max = std::max({red, green, blue}), min = std::min({red, green, blue});
    Hsl hsl;
    hsl.Lightness = int(RoundHalfEven(((max + min) * 255.0 + 255) / 510));
    if (max == min) {
        hsl.Hue = 170;
        return hsl;
    }
    const double saturation = hsl.Lightness <= 127.5 ? ((max - min) * 255.0 + 0.5) / (max + min)
                                                     : ((max - min) * 255.0 + 0.5) / (510.0 - max - min);
    const auto delta = [&](int part) { return ((max - part) * 42.5 + 0.5) / (max - min); };
    double hue;
    if (red == max)
        hue = delta(blue) - delta(green);
    else if (green == max)
        hue = 85 + delta(red) - delta(blue);
    else
        hue = 170 + delta(green) - delta(red);
    if (hue < 0)
        hue += 255;
    if (hue > 255)
        hue -= 255;
    hsl.Hue = int(RoundHalfEven(hue));
    hsl.Saturation = int(RoundHalfEven(saturation));
    return hsl;
}

int HueSteps(int a, int b)
{
    const int apart = std::abs(a - b);
    return std::min(apart, 255 - apart); // 0 and 255 are the same red
}

void CompareParts(qint32 actual, qint32 expected, int tolerance)
{
    for (int shift : {0, 8, 16}) {
        const int a = (actual >> shift) & 0xFF, e = (expected >> shift) & 0xFF;
        if (std::abs(a - e) > tolerance)
            QFAIL(qPrintable(QStringLiteral("part %1: %2, expected %3").arg(shift / 8).arg(a).arg(e)));
    }
}

} // namespace

class TestHsl : public QObject {
    Q_OBJECT

private slots:
    void knownColours_data()
    {
        QTest::addColumn<qint32>("colour");
        QTest::addColumn<int>("hue");
        QTest::addColumn<int>("saturation");
        QTest::addColumn<int>("lightness");
        QTest::newRow("red") << Rgb(255, 0, 0) << 0 << 255 << 127;
        QTest::newRow("green") << Rgb(0, 255, 0) << 85 << 255 << 127;
        QTest::newRow("blue") << Rgb(0, 0, 255) << 170 << 255 << 127;
        QTest::newRow("yellow") << Rgb(255, 255, 0) << 43 << 255 << 127;
        QTest::newRow("white") << Rgb(255, 255, 255) << 170 << 0 << 255;
        QTest::newRow("black") << Rgb(0, 0, 0) << 170 << 0 << 0;
        QTest::newRow("grey") << Rgb(128, 128, 128) << 170 << 0 << 128;
        QTest::newRow("pale pink") << Rgb(255, 205, 205) << 0 << 255 << 230;
        QTest::newRow("dark brown") << Rgb(96, 57, 19) << 21 << 171 << 57;
    }
    void knownColours()
    {
        QFETCH(qint32, colour);
        QFETCH(int, hue);
        QFETCH(int, saturation);
        QFETCH(int, lightness);
        const Hsl hsl = modHSL::RgbToHsl(colour);
        QVERIFY2(HueSteps(hsl.Hue, hue) <= 1, qPrintable(QString::number(hsl.Hue)));
        QCOMPARE(hsl.Saturation, saturation);
        QCOMPARE(hsl.Lightness, lightness);
    }

    // Whatever the rounding, every colour lands within one step of the published routine.
    void withinOneStepOfThePublishedRoutine()
    {
        int compared = 0;
        for (int red = 0; red < 256; red += 3) {
            for (int green = 0; green < 256; green += 5) {
                for (int blue = 0; blue < 256; blue += 7) {
                    const Hsl ours = modHSL::RgbToHsl(Rgb(red, green, blue));
                    Hsl published = PublishedRgbToHsl(red, green, blue);
                    published.Lightness = std::min(published.Lightness, 255); // white comes out at 256
                    const bool grey = published.Saturation == 0;
                    if (std::abs(ours.Lightness - published.Lightness) > 1 ||
                        std::abs(ours.Saturation - published.Saturation) > 1 ||
                        (!grey && HueSteps(ours.Hue, published.Hue) > 1))
                        QFAIL(qPrintable(QStringLiteral("%1, %2, %3").arg(red).arg(green).arg(blue)));
                    ++compared;
                }
            }
        }
        QVERIFY(compared > 50000);
    }

    void roundTrips_data()
    {
        QTest::addColumn<qint32>("colour");
        QTest::addColumn<int>("tolerance");
        QTest::newRow("red") << Rgb(255, 0, 0) << 1;
        QTest::newRow("green") << Rgb(0, 255, 0) << 1;
        QTest::newRow("blue") << Rgb(0, 0, 255) << 1;
        QTest::newRow("white") << Rgb(255, 255, 255) << 0;
        QTest::newRow("black") << Rgb(0, 0, 0) << 0;
        QTest::newRow("grey") << Rgb(95, 95, 95) << 0;
        // A step of hue moves a part of a strong colour by up to six: half a step is lost.
        QTest::newRow("orange") << Rgb(255, 166, 3) << 3;
        QTest::newRow("purple") << Rgb(102, 45, 145) << 1;
        QTest::newRow("skin") << Rgb(199, 178, 153) << 1;
        QTest::newRow("dark red") << Rgb(158, 11, 14) << 1;
    }
    void roundTrips()
    {
        QFETCH(qint32, colour);
        QFETCH(int, tolerance);
        CompareParts(modHSL::HslToRgb(modHSL::RgbToHsl(colour)), colour, tolerance);
    }

    // 8-bit hue, saturation and lightness cannot hold every colour: half a hue
    // step (three steps of a part) and a step of rounding at most.
    void everyColourComesBackClose()
    {
        int worst = 0;
        for (int red = 0; red < 256; red += 5)
            for (int green = 0; green < 256; green += 3)
                for (int blue = 0; blue < 256; blue += 4) {
                    const qint32 back = modHSL::HslToRgb(modHSL::RgbToHsl(Rgb(red, green, blue)));
                    worst = std::max({worst, std::abs((back & 0xFF) - red), std::abs(((back >> 8) & 0xFF) - green),
                                      std::abs(((back >> 16) & 0xFF) - blue)});
                }
        QVERIFY2(worst <= 5, qPrintable(QString::number(worst)));
    }

    void outOfRangeValuesAreHeldToTheScale()
    {
        CompareParts(modHSL::HslToRgb({0, 0, 300}), Rgb(255, 255, 255), 0);
        CompareParts(modHSL::HslToRgb({0, 400, 127}), Rgb(254, 0, 0), 0);
        CompareParts(modHSL::HslToRgb({-10, 255, 127}), modHSL::HslToRgb({245, 255, 127}), 0);
    }

    void hueToRgbRampsBetweenTheParts_data()
    {
        QTest::addColumn<double>("hue");
        QTest::addColumn<double>("expected");
        QTest::newRow("start of the rise") << 0.0 << 10.0;
        QTest::newRow("half way up") << 21.25 << 60.0;
        QTest::newRow("top") << 100.0 << 110.0;
        QTest::newRow("half way down") << 148.75 << 60.0;
        QTest::newRow("bottom") << 200.0 << 10.0;
        QTest::newRow("below 0 wraps") << -55.0 << 10.0;
        QTest::newRow("past a turn wraps") << 355.0 << 110.0;
    }
    void hueToRgbRampsBetweenTheParts()
    {
        QFETCH(double, hue);
        QFETCH(double, expected);
        QCOMPARE(modHSL::HueToRGB(10, 110, hue), expected);
    }
};

QTEST_GUILESS_MAIN(TestHsl)
#include "test_hsl.moc"
