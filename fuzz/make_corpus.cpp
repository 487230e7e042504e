// Writes the fuzzers' seed corpus and the pack dictionary into the folder
// given (fuzz/ of the source tree): a few small valid files of each kind.
//   fuzz_make_corpus <source>/fuzz

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <cstdio>

#include "library/pack/pack_file.h"
#include "library/pack/scramble_string.h"
#include "parental/settings_file.h"

namespace {

QString g_top;

void Write(const QString &relative, const QByteArray &bytes)
{
    const QString path = g_top + QLatin1Char('/') + relative;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

QByteArray Encoded(const QImage &image, const char *format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

// A small line drawing: black outlines on white, as a colouring page is.
QImage Drawing(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.drawEllipse(1, 1, width - 3, height - 3);
    painter.drawLine(0, height / 2, width - 1, height / 2);
    return image;
}

// 2 x 2 GIF (Qt writes no GIF): a two-colour table and four pixels.
// The codes: clear, 0, 1, clear, 1, 0, end, three bits each.
const QByteArray kGif = QByteArray::fromHex("47494638396102000200800000" // header
                                            "000000ffffff"               // colour table
                                            "2c000000000200020000"       // image descriptor
                                            "0203441814003b");           // code size, data, trailer
// 1 x 1 GIF with a transparent pixel (a graphic control extension).
const QByteArray kTransparentGif = QByteArray::fromHex("47494638396101000100800000000000ffffff21f9040100000000"
                                                       "2c00000000010001000002024401003b");

QByteArray DictionaryEntry(const QByteArray &bytes)
{
    QByteArray entry = "\"";
    for (const char c : bytes)
        entry += "\\x" + QByteArray::number(quint8(c), 16).rightJustified(2, '0');
    return entry + "\"\n";
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication::setAttribute(Qt::AA_Use96Dpi);
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_make_corpus <source>/fuzz\n");
        return 2;
    }
    g_top = QString::fromLocal8Bit(argv[1]);

    const QByteArray bmp = Encoded(Drawing(12, 9), "BMP");
    const QByteArray indexedBmp = Encoded(Drawing(10, 6).convertToFormat(QImage::Format_Indexed8), "BMP");
    const QByteArray jpeg = Encoded(Drawing(16, 12), "JPEG", 75);
    const QByteArray thumbnail = Encoded(Drawing(100, 100), "JPEG", 50);

    Write("corpus/fuzz_picture/drawing.bmp", bmp);
    Write("corpus/fuzz_picture/indexed.bmp", indexedBmp);
    Write("corpus/fuzz_picture/drawing.jpg", jpeg);
    Write("corpus/fuzz_picture/two-colour.gif", kGif);
    Write("corpus/fuzz_picture/transparent.gif", kTransparentGif);

    QString error;
    Write("corpus/fuzz_pack/farm.vpk",
          BuildPack(QStringLiteral("Farm Animals"), {{QStringLiteral("cow.bmp"), indexedBmp}, {QStringLiteral("hen.gif"), kGif}}, error));
    Write("corpus/fuzz_pack/one-jpeg.vpk", BuildPack(QStringLiteral("Café"), {{QStringLiteral("sun.jpg"), jpeg}}, error));
    Write("corpus/fuzz_pack/same-names.vpk",
          BuildPack(QStringLiteral("Twins"), {{QStringLiteral("a.gif"), kGif}, {QStringLiteral("A.GIF"), kTransparentGif}}, error));
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }

    const auto settings = [](const OptionsValues &values) {
        QByteArray bytes;
        for (const QString &line : SettingsLines(values))
            bytes += line.toLatin1() + "\r\n";
        return bytes;
    };
    Write("corpus/fuzz_settings/defaults.ini", settings(OptionsValues()));
    OptionsValues chosen;
    chosen.playSounds = 0;
    chosen.quitWithoutPermission = 1;
    chosen.autoHide = 2;
    chosen.speed = kSpeedSlow;
    chosen.password = QStringLiteral("tiger");
    chosen.hint = QStringLiteral("the striped cat");
    Write("corpus/fuzz_settings/chosen.ini", settings(chosen));
    chosen.speed = 0;
    Write("corpus/fuzz_settings/no-speed.ini", settings(chosen));

    Write("corpus/fuzz_thumbnail/picture.bmp", '\0' + bmp);
    Write("corpus/fuzz_thumbnail/picture.jpg", '\0' + jpeg);
    Write("corpus/fuzz_thumbnail/cached.vlm", '\1' + thumbnail);
    Write("corpus/fuzz_thumbnail/both.gif", '\2' + kGif);

    Write("pack.dict", "# The pack marker, the header's separator and the pictures' signatures.\n"
                       "marker=" + DictionaryEntry(PackMarker()) +
                       "separator=\"|\"\n"
                       "bmp=\"BM\"\n"
                       "gif87=\"GIF87a\"\n"
                       "gif89=\"GIF89a\"\n"
                       "jpeg=\"\\xff\\xd8\\xff\"\n");
    return 0;
}
