// The generated pictures and sounds, read back from the compiled-in resources:
// the figures the strokes, the palette and the colour picker depend on, and
// the pictures drawn larger for sharper screens.
#include "image/ratio_picture.h"
#include "tools/pictures/texture_stats.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <QtTest>
#include <algorithm>
#include <array>
#include <cmath>
#include <queue>

namespace {

using Rings = QList<int>;

// A RIFF/WAVE file read by hand, to check the bytes rather than what a player
// makes of them.
struct Wave
{
    QString problem; // empty when the file is a 16-bit PCM mono wave
    int sampleRate = 0;
    QList<qint16> samples;
};

Wave ReadWave(const QString &path)
{
    Wave wave;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("missing"), 0, {}};
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return {QStringLiteral("not RIFF/WAVE"), 0, {}};
    bool haveFormat = false;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
        const char *body = bytes.constData() + at + 8;
        if (at + 8 + qint64(size) > bytes.size())
            return {QStringLiteral("chunk %1 runs past the end").arg(QString::fromLatin1(id)), 0, {}};
        if (id == "fmt " && size >= 16) {
            const quint16 tag = qFromLittleEndian<quint16>(body), channels = qFromLittleEndian<quint16>(body + 2);
            const quint32 rate = qFromLittleEndian<quint32>(body + 4), byteRate = qFromLittleEndian<quint32>(body + 8);
            const quint16 align = qFromLittleEndian<quint16>(body + 12), bits = qFromLittleEndian<quint16>(body + 14);
            if (tag != 1 || channels != 1 || bits != 16 || align != 2 || byteRate != rate * 2)
                return {QStringLiteral("not 16-bit PCM mono"), 0, {}};
            wave.sampleRate = int(rate);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return {QStringLiteral("data before format"), 0, {}};
            for (quint32 i = 0; i + 1 < size; i += 2)
                wave.samples.append(qFromLittleEndian<qint16>(body + i));
            return wave;
        }
        at += 8 + size + size % 2;
    }
    return {QStringLiteral("no data chunk"), 0, {}};
}

double Decibels(double level) { return 20 * std::log10(std::max(level, 1e-9) / 32768.0); }

int Peak(const Wave &wave)
{
    int peak = 0;
    for (qint16 sample : wave.samples)
        peak = std::max(peak, std::abs(int(sample)));
    return peak;
}

// The root mean square of the loudest 50 ms: how loud a short effect sounds.
double LoudnessDb(const Wave &wave)
{
    const qsizetype window = std::min<qsizetype>(wave.samples.size(), wave.sampleRate / 20);
    double sum = 0, loudest = 0;
    for (qsizetype i = 0; i < wave.samples.size(); ++i) {
        sum += double(wave.samples[i]) * wave.samples[i];
        if (i >= window)
            sum -= double(wave.samples[i - window]) * wave.samples[i - window];
        loudest = std::max(loudest, sum);
    }
    return Decibels(std::sqrt(loudest / std::max<qsizetype>(window, 1)));
}

const QStringList &SoundNames()
{
    static const QStringList names = [] {
        QStringList list = {QStringLiteral("OK"), QStringLiteral("BEEP"), QStringLiteral("CLICK"),
                            QStringLiteral("DOWN"), QStringLiteral("UP")};
        const QList<QPair<QString, int>> families = {{QStringLiteral("POP"), 4},     {QStringLiteral("B"), 6},
                                                     {QStringLiteral("MESSAGE"), 3}, {QStringLiteral("PRESS"), 2},
                                                     {QStringLiteral("NEW"), 2},     {QStringLiteral("CANCEL"), 4}};
        for (const auto &[family, count] : families)
            for (int i = 0; i < count; ++i)
                list << family + QString::number(i);
        return list;
    }();
    return names;
}

bool IsGrey(QRgb pixel) { return qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel); }
bool IsBlack(QRgb pixel) { return (pixel & 0xFFFFFF) == 0; }

// Black pixels (transparent on the palette) that cannot be reached from the
// picture's border through black: holes in the blob.
int EnclosedBlackPixels(const QImage &picture)
{
    const int w = picture.width(), h = picture.height();
    QList<bool> outside(w * h, false);
    std::queue<QPoint> todo;
    auto visit = [&](int x, int y) {
        if (x >= 0 && y >= 0 && x < w && y < h && !outside[y * w + x] && IsBlack(picture.pixel(x, y))) {
            outside[y * w + x] = true;
            todo.push({x, y});
        }
    };
    for (int x = 0; x < w; ++x)
        visit(x, 0), visit(x, h - 1);
    for (int y = 0; y < h; ++y)
        visit(0, y), visit(w - 1, y);
    while (!todo.empty()) {
        const QPoint p = todo.front();
        todo.pop();
        visit(p.x() + 1, p.y()), visit(p.x() - 1, p.y()), visit(p.x(), p.y() + 1), visit(p.x(), p.y() - 1);
    }
    int enclosed = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            enclosed += IsBlack(picture.pixel(x, y)) && !outside[y * w + x];
    return enclosed;
}

// The folders whose pictures are shown on screen and so are drawn at 2x and 3x
// beside the plain size. The brush textures are stamped in picture pixels.
const QStringList kDrawnLarger = {QStringLiteral("faces"), QStringLiteral("cursors"), QStringLiteral("backgrounds"),
                                  QStringLiteral("palette"), QStringLiteral("shades")};
constexpr int kSharpest = 3;

bool IsDrawnLarger(const QString &file) { return file.contains(QLatin1Char('@')); }

// The palette's and the colour picker's bubbles, drawn pixel by pixel.
bool IsBubble(const QString &path)
{
    return path.startsWith(QStringLiteral(":/palette/")) || path.startsWith(QStringLiteral(":/shades/"));
}

QStringList PicturesIn(const QString &folder)
{
    return QDir(QStringLiteral(":/") + folder).entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
}

// The largest of the mean absolute differences of the four channels, in
// premultiplied ARGB so that see-through pixels compare alike whatever their colour.
double LargestMeanDifference(const QImage &a, const QImage &b)
{
    const QImage left = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage right = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    std::array<double, 4> sum{};
    for (int y = 0; y < left.height(); ++y)
        for (int x = 0; x < left.width(); ++x) {
            const QRgb p = left.pixel(x, y), q = right.pixel(x, y);
            sum[0] += std::abs(qRed(p) - qRed(q));
            sum[1] += std::abs(qGreen(p) - qGreen(q));
            sum[2] += std::abs(qBlue(p) - qBlue(q));
            sum[3] += std::abs(qAlpha(p) - qAlpha(q));
        }
    return *std::max_element(sum.begin(), sum.end()) / (double(left.width()) * left.height());
}

// How many times x times blocks hold more than one colour: none when the
// picture is only the plain one blown up pixel by pixel.
int MixedBlocks(const QImage &picture, int times)
{
    int mixed = 0;
    for (int y = 0; y + times <= picture.height(); y += times)
        for (int x = 0; x + times <= picture.width(); x += times) {
            bool same = true;
            for (int dy = 0; dy < times && same; ++dy)
                for (int dx = 0; dx < times && same; ++dx)
                    same = picture.pixel(x + dx, y + dy) == picture.pixel(x, y);
            mixed += !same;
        }
    return mixed;
}

} // namespace

class TestGeneratedResources : public QObject
{
    Q_OBJECT

private:
    static void blobRows(const QString &folder, const QList<std::tuple<int, int, QRgb>> &rows);

private slots:
    void brushTexture_data();
    void brushTexture();
    void blob_data();
    void blob();
    void pickerBlobIsPaleConfetti_data();
    void pickerBlobIsPaleConfetti();
    void drawnLarger_data();
    void drawnLarger();
    void noLargerDrawingWithoutItsPlainPicture();
    void brushTexturesHaveOneSize();
    void soundEffect_data();
    void soundEffect();
    void soundsAreEquallyLoud();
};

void TestGeneratedResources::brushTexture_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("darkest");
    QTest::addColumn<int>("mean");
    QTest::addColumn<Rings>("rings"); // empty: not a round blot with fixed rings
    QTest::newRow("crayon") << ":/brushes/0.png" << QSize(40, 35) << 114 << 196 << Rings{118, 126, 143, 165, 213, 248};
    QTest::newRow("paintbrush") << ":/brushes/1.png" << QSize(112, 106) << 126 << 217
                                << Rings{129, 133, 155, 206, 246, 255};
    QTest::newRow("pencil") << ":/brushes/2.png" << QSize(8, 8) << 165 << 245 << Rings{};
}

void TestGeneratedResources::brushTexture()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(int, darkest);
    QFETCH(int, mean);
    QFETCH(Rings, rings);
    const QImage texture = QImage(path).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(texture.size(), size);
    for (int y = 0; y < texture.height(); ++y)
        for (int x = 0; x < texture.width(); ++x)
            QVERIFY2(IsGrey(texture.pixel(x, y)), qPrintable(QStringLiteral("colour at %1,%2").arg(x).arg(y)));
    const TextureStats stats = MeasureTexture(texture);
    QVERIFY2(std::abs(stats.darkest - darkest) <= 8, qPrintable(QString::number(stats.darkest)));
    QVERIFY2(std::abs(stats.mean - mean) <= 8, qPrintable(QString::number(stats.mean)));
    if (rings.isEmpty())
        return;
    for (int k = 0; k < 6; ++k) {
        QVERIFY(stats.ringPixels[k] > 0);
        QVERIFY2(std::abs(stats.rings[k] - rings[k]) <= 8, qPrintable(QStringLiteral("ring %1: %2").arg(k).arg(stats.rings[k])));
    }
    for (const QPoint corner : {QPoint(0, 0), QPoint(size.width() - 1, 0), QPoint(0, size.height() - 1),
                                QPoint(size.width() - 1, size.height() - 1)})
        QCOMPARE(qRed(texture.pixel(corner)), 255);
    // Grain: neighbours in the fall-off differ, not only the rings.
    double step = 0;
    int steps = 0;
    for (int y = size.height() / 4; y < size.height() * 3 / 4; ++y)
        for (int x = size.width() / 4; x < size.width() * 3 / 4; ++x, ++steps)
            step += std::abs(qRed(texture.pixel(x + 1, y)) - qRed(texture.pixel(x, y)));
    QVERIFY2(step / steps >= 2, qPrintable(QString::number(step / steps)));
}

void TestGeneratedResources::blobRows(const QString &folder, const QList<std::tuple<int, int, QRgb>> &rows)
{
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const auto [width, height, centre] = rows[i];
        const QString plain = QStringLiteral(":/%1/%2.png").arg(folder).arg(i);
        for (int times = 1; times <= kSharpest; ++times) {
            const QString path = PictureNameAtRatio(plain, times);
            QTest::newRow(qPrintable(path))
                << path << QSize(width, height) * times << centre << (folder == "shades") << times;
        }
    }
}

void TestGeneratedResources::blob_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRgb>("centre");
    QTest::addColumn<bool>("greyEdge");
    QTest::addColumn<int>("times"); // drawn this many times as large
    blobRows(QStringLiteral("palette"),
             {{20, 20, qRgb(4, 255, 4)},     {43, 43, qRgb(255, 0, 0)},      {20, 19, qRgb(255, 255, 2)},
              {26, 28, qRgb(3, 255, 255)},   {19, 18, qRgb(6, 6, 255)},      {44, 43, qRgb(199, 178, 153)},
              {33, 29, qRgb(140, 98, 57)},   {16, 17, qRgb(255, 2, 255)},    {47, 43, qRgb(96, 57, 19)},
              {23, 21, qRgb(0, 166, 81)},    {23, 22, qRgb(16, 16, 16)},     {46, 40, qRgb(129, 129, 129)},
              {35, 34, qRgb(255, 255, 255)}, {33, 29, qRgb(102, 45, 145)},   {17, 17, qRgb(96, 92, 168)},
              {26, 27, qRgb(46, 49, 146)},   {19, 18, qRgb(0, 114, 188)},    {26, 26, qRgb(58, 134, 57)},
              {20, 22, qRgb(158, 11, 14)},   {20, 20, qRgb(171, 160, 0)},    {46, 40, qRgb(95, 95, 95)},
              {26, 28, qRgb(255, 166, 3)},   {44, 43, 0}});
    blobRows(QStringLiteral("shades"),
             {{26, 28, qRgb(255, 0, 0)},     {33, 29, qRgb(255, 26, 26)},   {20, 22, qRgb(255, 51, 51)},
              {20, 20, qRgb(255, 102, 102)}, {35, 34, qRgb(255, 76, 76)},   {26, 26, qRgb(255, 128, 128)},
              {33, 29, qRgb(255, 178, 178)}, {46, 40, qRgb(255, 153, 153)}, {35, 34, qRgb(255, 205, 205)},
              {20, 20, qRgb(255, 228, 228)}, {26, 27, qRgb(28, 28, 28)},    {46, 40, qRgb(25, 0, 0)},
              {33, 29, qRgb(55, 1, 1)},      {26, 27, qRgb(86, 0, 0)},      {26, 27, qRgb(133, 0, 0)},
              {20, 22, qRgb(166, 1, 1)},     {33, 29, qRgb(200, 0, 0)},     {35, 34, qRgb(255, 255, 255)}});
}

// A roughly round blob filling its picture on a black background, one piece
// without holes, with a dark outline, a white rim and its colour in the middle.
// The picker re-colours only the paint of its shades: their outline stays grey.
// Drawn larger, a blob is all the same, its outline and rim as much wider.
void TestGeneratedResources::blob()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(QRgb, centre); // 0: the confetti blob, no one colour
    QFETCH(bool, greyEdge);
    QFETCH(int, times);
    const QImage picture = QImage(path).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(picture.size(), size);
    const int w = size.width(), h = size.height();
    for (const QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
        QCOMPARE(picture.pixel(corner) & 0xFFFFFF, 0u);
    // The palette reads the colour at half the width and height; either rounding.
    if (centre != 0) {
        QCOMPARE(picture.pixel(w / 2, h / 2) & 0xFFFFFF, centre & 0xFFFFFF);
        QCOMPARE(picture.pixel((w + 1) / 2, (h + 1) / 2) & 0xFFFFFF, centre & 0xFFFFFF);
    }
    QCOMPARE(EnclosedBlackPixels(picture), 0);
    int area = 0, edge = 0, edgeLight = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb pixel = picture.pixel(x, y);
            if (IsBlack(pixel))
                continue;
            ++area;
            const bool onEdge = x == 0 || y == 0 || x == w - 1 || y == h - 1 || IsBlack(picture.pixel(x - 1, y)) ||
                                IsBlack(picture.pixel(x + 1, y)) || IsBlack(picture.pixel(x, y - 1)) ||
                                IsBlack(picture.pixel(x, y + 1));
            if (onEdge) {
                ++edge;
                edgeLight += qGray(pixel);
                if (greyEdge)
                    QVERIFY2(IsGrey(pixel), qPrintable(QStringLiteral("edge colour at %1,%2").arg(x).arg(y)));
            }
        }
    const double round = area / (M_PI / 4 * w * h);
    QVERIFY2(round > 0.85 && round < 1.1, qPrintable(QString::number(round)));
    QVERIFY2(edgeLight / edge < 110, qPrintable(QString::number(edgeLight / edge)));
    // Inwards from the left along the middle row: outline first, then white.
    int x = 0;
    while (IsBlack(picture.pixel(x, h / 2)))
        ++x;
    bool rim = false;
    for (int i = 1; i <= 4 * times; ++i)
        rim = rim || qGray(picture.pixel(x + i, h / 2)) >= 235;
    QVERIFY(qGray(picture.pixel(x, h / 2)) < 150);
    QVERIFY(rim);
}

void TestGeneratedResources::pickerBlobIsPaleConfetti_data()
{
    QTest::addColumn<QString>("path");
    for (int times = 1; times <= kSharpest; ++times) {
        const QString path = PictureNameAtRatio(QStringLiteral(":/palette/22.png"), times);
        QTest::newRow(qPrintable(path)) << path;
    }
}

void TestGeneratedResources::pickerBlobIsPaleConfetti()
{
    QFETCH(QString, path);
    const QImage picture = QImage(path).convertToFormat(QImage::Format_RGB32);
    QVERIFY2(!picture.isNull(), qPrintable(path));
    QSet<int> hues;
    int light = 0, inner = 0;
    for (int y = picture.height() / 4; y < picture.height() * 3 / 4; ++y)
        for (int x = picture.width() / 4; x < picture.width() * 3 / 4; ++x, ++inner) {
            const QColor colour(picture.pixel(x, y));
            if (colour.hslSaturation() > 100)
                hues.insert(colour.hslHue() / 30);
            light += colour.lightness() > 180;
        }
    QVERIFY2(hues.size() >= 5, qPrintable(QString::number(hues.size())));
    QVERIFY2(light * 2 > inner, qPrintable(QStringLiteral("%1 of %2").arg(light).arg(inner)));
}

void TestGeneratedResources::drawnLarger_data()
{
    QTest::addColumn<QString>("path");
    for (const QString &folder : kDrawnLarger) {
        const QStringList files = PicturesIn(folder);
        QVERIFY2(!files.isEmpty(), qPrintable(folder));
        for (const QString &file : files)
            if (!IsDrawnLarger(file)) {
                const QString path = QStringLiteral(":/%1/%2").arg(folder, file);
                QTest::newRow(qPrintable(path)) << path;
            }
    }
}

// Each shown picture is there at 2x and 3x its size, drawn again rather than
// blown up, and the same picture when brought back down to the plain size.
// Faces, cursors and backgrounds are antialiased at every size, so they match
// closely (measured: at most 1.3 of 255; a border drawn unscaled or a glyph a
// pixel off gives 5.8 and more). A bubble's outline and rim are whole pixels at
// the plain size, so it differs all along its edge, the more the smaller the
// bubble: its difference times its short side is about the same at any size
// (measured: 160 .. 270; another seed, or a rim left at its plain width,
// gives 320 and more).
void TestGeneratedResources::drawnLarger()
{
    QFETCH(QString, path);
    const QImage plain(path);
    QVERIFY2(!plain.isNull(), qPrintable(path));
    for (int times = 2; times <= kSharpest; ++times) {
        const QString name = PictureNameAtRatio(path, times);
        const QImage larger(name);
        QVERIFY2(!larger.isNull(), qPrintable(name + QStringLiteral(" is missing")));
        QCOMPARE(larger.size(), plain.size() * times);
        QCOMPARE(larger.hasAlphaChannel(), plain.hasAlphaChannel());
        QVERIFY2(MixedBlocks(larger, times) > 0, qPrintable(name + QStringLiteral(" is the plain picture blown up")));
        const QImage down = larger.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                .scaled(plain.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double difference = LargestMeanDifference(down, plain);
        if (IsBubble(path)) {
            const double alongEdge = difference * std::min(plain.width(), plain.height());
            QVERIFY2(alongEdge < 300, qPrintable(QStringLiteral("%1 brought down differs by %2 along its edge")
                                                     .arg(name).arg(alongEdge)));
        } else {
            QVERIFY2(difference < 3,
                     qPrintable(QStringLiteral("%1 brought down differs by %2").arg(name).arg(difference)));
        }
    }
}

void TestGeneratedResources::noLargerDrawingWithoutItsPlainPicture()
{
    for (const QString &folder : kDrawnLarger)
        for (const QString &file : PicturesIn(folder)) {
            if (!IsDrawnLarger(file))
                continue;
            const QString path = QStringLiteral(":/%1/%2").arg(folder, file);
            bool named = false;
            for (int times = 2; times <= kSharpest && !named; ++times) {
                const QString suffix = QStringLiteral("@%1x.png").arg(times);
                if (file.endsWith(suffix)) {
                    const QString plain = path.chopped(suffix.size()) + QStringLiteral(".png");
                    QVERIFY2(QFile::exists(plain), qPrintable(path + QStringLiteral(" has no plain picture")));
                    named = true;
                }
            }
            QVERIFY2(named, qPrintable(path + QStringLiteral(" is not named for a size drawn")));
        }
}

// The strokes stamp the textures in picture pixels, whatever the screen.
void TestGeneratedResources::brushTexturesHaveOneSize()
{
    const QStringList files = PicturesIn(QStringLiteral("brushes"));
    QCOMPARE(files.size(), 3);
    for (const QString &file : files)
        QVERIFY2(!IsDrawnLarger(file), qPrintable(file));
}

void TestGeneratedResources::soundEffect_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : SoundNames())
        QTest::newRow(qPrintable(name)) << name;
}

void TestGeneratedResources::soundEffect()
{
    QFETCH(QString, name);
    const Wave wave = ReadWave(QStringLiteral(":/sounds/%1.wav").arg(name));
    QVERIFY2(wave.problem.isEmpty(), qPrintable(wave.problem));
    QVERIFY(wave.sampleRate == 22050 || wave.sampleRate == 44100);
    const double seconds = double(wave.samples.size()) / wave.sampleRate;
    QVERIFY2(seconds > 0.03 && seconds < 1.0, qPrintable(QString::number(seconds)));
    // No click at either end: the first and last samples are near silence and
    // the sound fades in and out over more than a millisecond.
    const int peak = Peak(wave);
    QVERIFY2(std::abs(wave.samples.first()) <= 330 && std::abs(wave.samples.last()) <= 330, "hard edge");
    const qsizetype ms = wave.sampleRate / 1000;
    for (qsizetype i = 0; i < ms; ++i) {
        QVERIFY2(std::abs(wave.samples[i]) < peak / 4, qPrintable(QStringLiteral("start %1").arg(wave.samples[i])));
        QVERIFY2(std::abs(wave.samples[wave.samples.size() - 1 - i]) < peak / 4, "end");
    }
    QVERIFY2(Decibels(peak) > -7 && Decibels(peak) < -2, qPrintable(QString::number(Decibels(peak))));
}

void TestGeneratedResources::soundsAreEquallyLoud()
{
    QList<double> peaks, loudness;
    for (const QString &name : SoundNames()) {
        const Wave wave = ReadWave(QStringLiteral(":/sounds/%1.wav").arg(name));
        QVERIFY2(wave.problem.isEmpty(), qPrintable(name + QStringLiteral(": ") + wave.problem));
        peaks << Decibels(Peak(wave));
        loudness << LoudnessDb(wave);
    }
    const auto [quietPeak, loudPeak] = std::minmax_element(peaks.begin(), peaks.end());
    const auto [quietest, loudest] = std::minmax_element(loudness.begin(), loudness.end());
    QVERIFY2(*loudPeak - *quietPeak <= 4, qPrintable(QStringLiteral("peaks %1 .. %2").arg(*quietPeak).arg(*loudPeak)));
    QVERIFY2(*loudest - *quietest <= 6, qPrintable(QStringLiteral("loudness %1 .. %2").arg(*quietest).arg(*loudest)));
}

QTEST_GUILESS_MAIN(TestGeneratedResources)
#include "test_generated_resources.moc"
