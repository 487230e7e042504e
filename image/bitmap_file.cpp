#include "image/bitmap_file.h"

#include <QBuffer>
#include <QImageWriter>

FileReplaceResult SaveBitmapFile(const QString &path, const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(image))
        return {FileReplaceError::WriteFailed, QStringLiteral("%1 could not be encoded: %2").arg(path, writer.errorString())};
    return ReplaceFileContents(path, bytes);
}

QImage WhitePage(QSize size)
{
    QImage page(size, QImage::Format_RGB32);
    page.fill(Qt::white);
    return page;
}
