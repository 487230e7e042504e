#include "image/turbojpeg_writer.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <turbojpeg.h>

#include <algorithm>
#include <memory>

#include "core/file_replace.h"
#include "image/dib_section.h"

namespace {

const char kInitialiseFailed[] = "Failed to initialise the IJL library: ";
const char kSaveFailed[] = "Failed to save to JPG ";
constexpr int kInitialiseFailureCode = -1;

struct TurboJpegHandleDeleter {
    void operator()(void *handle) const { tjDestroy(handle); }
};
struct TurboJpegBufferDeleter {
    void operator()(unsigned char *buffer) const { tjFree(buffer); }
};

[[noreturn]] void RaiseSaveFailure(JpegWriteFailure failure, const QString &detail)
{
    const int code = static_cast<int>(failure);
    throw JpegWriterError(QLatin1String(kSaveFailed) + QString::number(code), code, detail);
}

JpegWriteFailure FailureOf(FileReplaceError error)
{
    switch (error) {
    case FileReplaceError::TargetIsFolder: return JpegWriteFailure::TargetIsFolder;
    case FileReplaceError::FolderMissing: return JpegWriteFailure::FolderMissing;
    case FileReplaceError::TargetReadOnly: return JpegWriteFailure::TargetReadOnly;
    case FileReplaceError::CannotCreate: return JpegWriteFailure::CannotCreate;
    case FileReplaceError::WriteFailed: return JpegWriteFailure::WriteFailed;
    case FileReplaceError::CannotReplace:
    case FileReplaceError::None: break;
    }
    return JpegWriteFailure::CannotReplace;
}

} // namespace

JpegWriterError::JpegWriterError(QString description, int code, QString detail)
    : std::runtime_error((description + QStringLiteral(" (") + detail + QLatin1Char(')')).toStdString()),
      m_description(std::move(description)), m_code(code), m_detail(std::move(detail))
{
}

QString JpegWriterError::source() const
{
    QString executable = QStringLiteral("velmora");
    if (QCoreApplication::instance())
        executable = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return executable + QStringLiteral(".mTurboJPEG");
}

bool SaveJpegFile(const cDIBSection &dib, const QString &fileName, int quality)
{
    const std::unique_ptr<void, TurboJpegHandleDeleter> encoder(tjInitCompress());
    if (!encoder) {
        throw JpegWriterError(QLatin1String(kInitialiseFailed) + QString::number(kInitialiseFailureCode),
                              kInitialiseFailureCode, QString::fromLocal8Bit(tjGetErrorStr2(nullptr)));
    }
    if (dib.IsEmpty())
        RaiseSaveFailure(JpegWriteFailure::EmptyImage, QStringLiteral("The picture is empty."));

    // The rows go to the encoder as they lie, bottom row first, with their padded
    // pitch: no copy of the pixels is made.
    unsigned char *compressed = nullptr;
    unsigned long compressedSize = 0;
    const int status = tjCompress2(encoder.get(), dib.DIBSectionBitsPtr(), dib.Width(), dib.BytesPerScanLine(),
                                   dib.Height(), TJPF_BGR, &compressed, &compressedSize, TJSAMP_420,
                                   std::clamp(quality, 1, 100), TJFLAG_BOTTOMUP);
    const std::unique_ptr<unsigned char, TurboJpegBufferDeleter> jpeg(compressed);
    if (status != 0)
        RaiseSaveFailure(JpegWriteFailure::EncoderFailed, QString::fromLocal8Bit(tjGetErrorStr2(encoder.get())));

    const FileReplaceResult written = ReplaceFileContents(
        fileName, QByteArrayView(jpeg.get(), qsizetype(compressedSize)), KeepFileTimes::Yes);
    if (!written.ok())
        RaiseSaveFailure(FailureOf(written.error), written.detail);
    return true;
}

QString SavePictureAsJpeg(const QImage &picture, const QString &fileName, int quality)
{
    cDIBSection dib;
    dib.CreateFromPicture(picture);
    try {
        SaveJpegFile(dib, fileName, quality);
    } catch (const JpegWriterError &error) {
        // The number alone tells a grown-up nothing; the file system's words do.
        return error.detail().isEmpty() ? error.description()
                                        : error.description() + QStringLiteral(": ") + error.detail();
    }
    return {};
}
