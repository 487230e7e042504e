#pragma once

#include <QString>
#include <QStringList>

// Making a pack from pictures on disk, shared by the pack window and the
// command line. Results come back as values; the caller shows the message.

inline constexpr char kPackCreated[] = "The Picture Pack has been successfully created!";
inline constexpr char kPackSaveFailed[] =
    "There was an error saving the Picture Pack. Please make sure that the folder you selected "
    "is not write protected and that there is enough space.";

// The file a chosen target becomes: ".vpk" is appended unless the name ends
// in exactly ".vpk" (so pack.VPK becomes pack.VPK.vpk).
QString PackTargetPath(const QString &chosen);

struct PackCreation {
    bool ok = false;
    QString message; // kPackCreated, or why nothing was written
    QString path;    // the file written, when ok
};

// Packs the pictures `fileNames` of `folder` (in that order) as the book named
// after the folder, into PackTargetPath(target), replacing it atomically.
// Every picture must read and decode first: a file that cannot be read or is
// not a picture, a name the pack cannot hold, or a total over kMaxPackBytes
// writes nothing.
PackCreation CreatePack(const QString &folder, const QStringList &fileNames, const QString &target);
