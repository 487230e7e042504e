#pragma once

#include <QImage>
#include <QString>
#include <QVector>

#include <functional>

#include "library/picture_sheet.h"

// The browser's sheet after a load: the cells and what each shows.
struct LoadedSheet {
    QVector<PictureCell> cells{PictureCell{}}; // index 0 holds no cell
    QVector<QImage> faces{QImage()};           // per cell: the thumbnail as drawn, 99 x 99
    QVector<bool> framed{false};               // per cell: an own picture, drawn with a frame
    int height = 0;                            // the sheet's height in pixels
    QString error;                             // empty when the load succeeded

    bool ok() const { return error.isEmpty(); }
    int count() const { return int(cells.size()) - 1; }
};

// The side of a thumbnail as drawn inside its cell, one pixel in from the corner.
inline constexpr int kCellFaceSide = 99;

struct BookLoadHooks {
    // Called before each book's cells are placed, with its progress line.
    std::function<void(const QString &line)> progress;
    // Worker threads that build thumbnails; 0 picks one per core.
    int threads = 0;
};

// Loads every book onto a sheet `sheetWidth` pixels wide: lists the books,
// removes orphan thumbnail files, reads each picture's thumbnail (building the
// missing ones on worker threads) and lays the cells out. The sheet is the same
// whatever the number of threads. While it waits for a thumbnail the caller's
// windows keep painting (user input waits). Fails on the first picture or
// thumbnail file that cannot be read or written, or when no picture was loaded;
// a coloured version that does not read is passed over for its picture.
LoadedSheet LoadBooks(const QString &programFolder, int sheetWidth, const BookLoadHooks &hooks = {});

// A thumbnail scaled to the face drawn in a cell.
QImage CellFace(const QImage &thumbnail);
