#pragma once

#include <QString>

// Installing a pack as a new book of the library: shared by the management
// window and the command line. Results come back as values; the caller shows
// the message and, on success, lists the new book.

inline constexpr char kImportIntro[] =
    "Picture Packs are special files that contain several pictures within them and they can be "
    "downloaded from Velmora website. Please press continue to select a Picture Pack to install.";

struct PackImport {
    bool ok = false;
    QString message;  // the success message, or the failure's lines joined by CR LF
    QString bookName; // the new book's folder name, when ok
};

// Reads the pack at `packPath` and writes its pictures into a new folder of
// `booksFolder` (made when missing), named after the pack's book, or name_1,
// name_2, ... when a book of that name exists (letter case ignored); a second
// picture of the same name is renamed as FreePictureName says.
//
// Everything is checked before anything is written: a pack over kMaxPackBytes,
// a name that is not a plain file or folder name, a picture part without a
// name, and a part that does not decode as a picture each fail with nothing
// created. The pictures are written into an unlisted folder of `booksFolder`
// that takes the book's name once complete: should writing fail part way (a
// full disk) or the program be killed, no half book shows in the library.
PackImport ImportPack(const QString &packPath, const QString &booksFolder);
