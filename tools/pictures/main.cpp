// Writes the brush textures, palette blobs and colour-picker shades into a
// resources folder, the blobs also at 2x and 3x for sharper screens (the brush
// textures are stamped in picture pixels, so they have one size):
//   velmora_make_pictures <repository>/resources
#include "tools/pictures/picture_sets.h"

#include "image/ratio_picture.h"

#include <QCoreApplication>
#include <QImageWriter>
#include <QTextStream>

bool SaveNumbered(const QImage &picture, const QDir &resources, const QString &folder, int number, int times)
{
    const QString plain = QStringLiteral("%1/%2.png").arg(folder).arg(number);
    const QString path = resources.filePath(PictureNameAtRatio(plain, times));
    if (!resources.mkpath(folder)) {
        QTextStream(stderr) << "cannot create " << resources.filePath(folder) << Qt::endl;
        return false;
    }
    QImageWriter writer(path, "png");
    if (!writer.write(picture)) {
        QTextStream(stderr) << "cannot write " << path << ": " << writer.errorString() << Qt::endl;
        return false;
    }
    return true;
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: velmora_make_pictures RESOURCES_FOLDER" << Qt::endl;
        return 2;
    }
    const QDir resources(QString::fromLocal8Bit(argv[1]));
    const bool written = WriteBrushTextures(resources) && WritePalettePictures(resources) && WriteShadePictures(resources);
    return written ? 0 : 1;
}
