#pragma once

#include <QImage>
#include <QString>

#include <stdexcept>

class cDIBSection;

// Why a JPEG could not be written; the number follows "Failed to save to JPG "
// in the error's description.
enum class JpegWriteFailure : int {
    EmptyImage = 1,    // the image has no pixels
    EncoderFailed = 2, // TurboJPEG could not compress the pixels
    TargetIsFolder = 3,
    FolderMissing = 4,
    TargetReadOnly = 5,
    CannotCreate = 6,  // no temporary file could be made beside the target
    WriteFailed = 7,   // the disk is full or the write failed
    CannotReplace = 8, // the new file could not take the old one's place
};

// A failed JPEG write, raised by SaveJpegFile as run-time error 26001.
class JpegWriterError : public std::runtime_error {
public:
    static constexpr int kNumber = 26001;

    JpegWriterError(QString description, int code, QString detail);

    int number() const { return kNumber; }
    // The program's executable name followed by ".mTurboJPEG".
    QString source() const;
    // "Failed to initialise the IJL library: " or "Failed to save to JPG ", then the code.
    QString description() const { return m_description; }
    int code() const { return m_code; }
    // What went wrong, in words (the encoder's message or the file system's).
    QString detail() const { return m_detail; }

private:
    QString m_description;
    int m_code;
    QString m_detail;
};

// Writes the image as a JPEG file (4:2:0 chroma, quality clamped to 1..100).
// The file is replaced atomically: a failure leaves an existing file as it was.
// A replaced file's times and permission bits carry over to the new file.
// Returns true; every failure raises JpegWriterError instead.
bool SaveJpegFile(const cDIBSection &dib, const QString &fileName, int quality);

// The same for a picture in memory, for callers that report rather than raise:
// returns what went wrong (the description, then the detail), empty when the
// file was written.
QString SavePictureAsJpeg(const QImage &picture, const QString &fileName, int quality);
