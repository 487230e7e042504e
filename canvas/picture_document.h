#pragma once

#include <QImage>
#include <QString>

// The files behind the picture the child colours: its line art in a book
// folder (or the child's own pictures), its coloured version, and the two
// thumbnail files that show them in the browsers.
struct PictureFiles {
    QString picture;            // the line art: books/{book}/{file}
    QString coloured;           // colored pictures/{book}/{file}.jpg, found whatever its letter case
    QString pictureThumbnail;   // {picture}.vlm
    QString colouredThumbnail;  // {coloured}.vlm
    bool ownPicture = false;    // in books/own pictures: its line art is rewritten on saving
};

PictureFiles FilesOfPicture(const QString &programFolder, const QString &picturePath);

// A picture opened for colouring.
struct OpenedPicture {
    QImage lineArt;           // Format_RGB32
    QImage coloured;          // the earlier colouring; null when there is none that fits
    bool colouredUsed = false;
    QString error;            // the line art could not be read

    bool ok() const { return error.isEmpty(); }
};

// Reads the line art and, when there is one, its coloured version. A coloured
// version that does not read, or whose size differs from the line art's (the
// line art was replaced since), is left out: the picture opens bare and the
// next save replaces it.
OpenedPicture OpenPictureDocument(const PictureFiles &files);
OpenedPicture OpenPictureDocument(const QString &programFolder, const QString &picturePath);

struct DocumentSaveResult {
    QString error; // empty when saved
    bool ok() const { return error.isEmpty(); }
};

// Writes the coloured version (JPEG, quality 90) over the old one, atomically,
// then deletes both stale thumbnail files; an own picture's line art is
// rewritten the same safe way. A failure leaves the previous files as they were.
DocumentSaveResult SaveColouredPicture(const PictureFiles &files, const QImage &canvas, const QImage &lineArt);
DocumentSaveResult SaveColouredPicture(const QString &programFolder, const QString &picturePath,
                                       const QImage &canvas, const QImage &lineArt);
