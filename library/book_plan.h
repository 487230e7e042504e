#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// One book as the loading pass meets it.
struct BookToLoad {
    QString folder;             // the book folder, without a trailing '/'
    QString title;              // ProperCase of the folder name
    int percent = 0;            // shown while this book loads
    bool framed = false;        // the child's own pictures get a light frame
    QStringList pictures;       // file names, in listing order
    QStringList thumbnailFrom;  // per picture: its coloured version when there is one, else the picture
};

struct LibraryPlan {
    QVector<BookToLoad> books;  // own pictures first, then the books folder's listing
    QString error;              // empty when the library can be loaded

    bool ok() const { return error.isEmpty(); }
};

// Lists the books to load, in order, and deletes the orphan thumbnail files of
// every book folder and its coloured folder, and the unfinished imports, on the way. Fails when the books
// folder is missing or holds no sub-folder.
LibraryPlan PlanBooks(const QString &programFolder);

// The percentage shown for listing entry `index` of `count`: the integer part of
// ((index + 1) / count) x 100, in that order, so 29 of 100 gives 28.
int LoadingPercent(int index, int count);

// The splash window's line for a book: "Loading(50%)... Animals."
QString LoadingLine(int percent, const QString &title);
