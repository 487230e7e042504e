#pragma once

// Pictures and packs made in memory for the pack tests.

#include <QDir>
#include <QImage>
#include <QPainter>

#include "core/windows1252.h"
#include "library/pack/scramble_string.h"
#include "tests/support/picture_bytes.h"

// A small outline page as a BMP file; `seed` changes the drawing so that
// pictures can be told apart by their bytes.
inline QByteArray OutlineBmp(int seed = 0, QSize size = QSize(40, 30))
{
    QImage page(size, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(1 + seed % 5, 1, size.width() / 2, size.height() / 2);
    painter.end();
    return PictureBytes(page, "bmp");
}

// Pack bytes put together by hand from a header text (taken as Windows-1252
// bytes, so a test can write any bytes at all) and its parts.
inline QByteArray HandMadePack(const QByteArray &header, const QList<QByteArray> &parts)
{
    QByteArray pack = header;
    for (const QByteArray &part : parts)
        pack += PackMarker() + part;
    return pack;
}

// Writes the folder `folder`/Animals with cat.bmp (OutlineBmp(1)) and dog.bmp
// (OutlineBmp(2)); returns its path.
inline QString WriteAnimals(const QString &folder)
{
    const QString animals = folder + QStringLiteral("/Animals");
    QDir().mkpath(animals);
    for (int i : {1, 2}) {
        QFile file(animals + (i == 1 ? QStringLiteral("/cat.bmp") : QStringLiteral("/dog.bmp")));
        if (!file.open(QIODevice::WriteOnly) || file.write(OutlineBmp(i)) < 0)
            qFatal("cannot write the Animals folder");
    }
    return animals;
}

// The message of a successful import into `book`.
inline QString AddedMessage(const QString &book)
{
    return "The pictures were added successfully under the book '" + book +
           "'. To view the new pictures, please select this book from the list.";
}

// Every entry below `folder`, relative to it, sorted: the whole tree, so that a
// test sees anything created anywhere in it.
inline QStringList TreeOf(const QString &folder)
{
    QStringList entries;
    QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name)) {
        entries << name;
        if (QFileInfo(dir.filePath(name)).isDir()) {
            for (const QString &inner : TreeOf(dir.filePath(name)))
                entries << name + QLatin1Char('/') + inner;
        }
    }
    return entries;
}
