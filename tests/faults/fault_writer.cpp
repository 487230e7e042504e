// One kind of the program's writes, over and over, for the kill test: the test
// kills this program at random moments and checks that each file is then its
// old or its new version.
//   velmora_fault_writer setup KIND ROOT   a small library, its files at version 0
//   velmora_fault_writer write KIND ROOT N  the write once, with version N
//   velmora_fault_writer loop KIND ROOT     versions 1, 0, 1, ... until killed;
//                                           prints "ready" before the first
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>

#include <cstdio>

#include "canvas/picture_document.h"
#include "library/library_layout.h"
#include "library/pack/pack_create.h"
#include "library/pack/pack_import.h"
#include "parental/settings_file.h"
#include "tests/faults/fault_kinds.h"

namespace {

// A picture large enough that its write takes a few milliseconds; version n
// differs in its colouring.
QImage Picture(int version, bool outline)
{
    QImage image(kFaultPictureSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    for (int x = 20; x < image.width(); x += 40)
        painter.drawLine(x, 0, x, image.height() - 1);
    if (!outline) {
        for (int x = 21; x < image.width() - 40; x += 80)
            painter.fillRect(x, 0, 39, image.height(), version % 2 ? QColor(200, 40, 40) : QColor(40, 40, 200));
    } else if (version % 2) {
        painter.drawEllipse(image.rect().adjusted(50, 50, -50, -50));
    }
    return image;
}

OptionsValues Settings(int version)
{
    OptionsValues values;
    values.playSounds = version % 2;
    values.password = version % 2 ? QStringLiteral("sesame") : QStringLiteral("open");
    values.hint = QStringLiteral("the door");
    return values;
}

bool Write(FaultKind kind, const QString &root, int version)
{
    switch (kind) {
    case FaultKind::Coloured:
        return SaveColouredPicture(root, root + QLatin1String(kFaultBookPicture), Picture(version, false), QImage())
            .ok();
    case FaultKind::OwnPicture:
        return SaveColouredPicture(root, root + QLatin1String(kFaultOwnPicture), Picture(version, false),
                                   Picture(version, true))
            .ok();
    case FaultKind::Settings: return WriteSettingsFile(SettingsFilePath(root), Settings(version)).ok();
    case FaultKind::PackCreate:
        return CreatePack(root + QStringLiteral("/sources/%1/Farm").arg(version % 2), kFaultPackPictures,
                          root + QLatin1String(kFaultPackFile))
            .ok;
    case FaultKind::PackImport:
        return ImportPack(root + QLatin1String(kFaultPackToImport), LibraryLayout::BooksFolder(root)).ok;
    }
    return false;
}

bool Setup(const QString &root)
{
    QDir().mkpath(root + QStringLiteral("/books/animals"));
    QDir().mkpath(root + QStringLiteral("/books/own pictures"));
    bool ok = Picture(0, true).save(root + QLatin1String(kFaultBookPicture), "BMP") &&
              Picture(0, true).save(root + QLatin1String(kFaultOwnPicture), "BMP");
    for (int version : {0, 1}) {
        const QString folder = root + QStringLiteral("/sources/%1/Farm").arg(version);
        QDir().mkpath(folder);
        for (int i = 0; i < kFaultPackPictures.size(); ++i)
            ok = ok && Picture(version + i, true).save(folder + QLatin1Char('/') + kFaultPackPictures[i], "BMP");
    }
    QDir().mkpath(root + QStringLiteral("/packs"));
    ok = ok && CreatePack(root + QStringLiteral("/sources/1/Farm"), kFaultPackPictures,
                          root + QLatin1String(kFaultPackToImport))
                   .ok;
    for (FaultKind kind : {FaultKind::Coloured, FaultKind::OwnPicture, FaultKind::Settings, FaultKind::PackCreate})
        ok = ok && Write(kind, root, 0);
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    FaultKind kind{};
    if (args.size() < 4 || !FaultKindNamed(args[2], kind)) {
        std::fprintf(stderr, "usage: velmora_fault_writer setup|write|loop KIND ROOT [VERSION]\n");
        return 2;
    }
    const QString root = args[3];
    if (args[1] == QLatin1String("setup"))
        return Setup(root) ? 0 : 1;
    if (args[1] == QLatin1String("write"))
        return args.size() > 4 && Write(kind, root, args[4].toInt()) ? 0 : 1;
    std::printf("ready\n");
    std::fflush(stdout);
    for (int version = 1;; version = 1 - version) {
        if (!Write(kind, root, version))
            return 1;
    }
}
