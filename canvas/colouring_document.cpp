#include "canvas/colouring_document.h"

#include <utility>

#include "image/bitmap_file.h"

ColouringDocument::ColouringDocument(QString programFolder) : m_programFolder(std::move(programFolder)) {}

bool ColouringDocument::Open(const QString &picturePath, QString &error)
{
    const PictureFiles files = FilesOfPicture(m_programFolder, picturePath);
    const OpenedPicture opened = OpenPictureDocument(files);
    if (!opened.ok()) {
        error = opened.error;
        return false;
    }
    m_engine.EndStroke();
    if (!m_engine.LoadPicture(opened.lineArt, opened.coloured)) {
        error = QStringLiteral("The picture %1 holds no pixels.").arg(picturePath);
        return false;
    }
    m_files = files;
    Changed();
    // A picture opened bare is written once, so that its colouring exists.
    m_savedVersion = opened.colouredUsed ? m_version : m_version - 1;
    return true;
}

void ColouringDocument::OpenUnsaved(const QImage &lineArt, const QImage &coloured)
{
    m_engine.EndStroke();
    if (!m_engine.LoadPicture(lineArt, coloured))
        return;
    m_files = PictureFiles();
    Changed();
    m_savedVersion = m_version;
}

DocumentSaveResult ColouringDocument::Save()
{
    if (!IsOpen() || !NeedsSaving())
        return {};
    const DocumentSaveResult saved = SaveColouredPicture(m_files, m_engine.CanvasImage(), m_engine.LineArt());
    if (saved.ok())
        m_savedVersion = m_version;
    return saved;
}

StrokeChange ColouringDocument::Clear()
{
    Changed();
    if (!m_files.ownPicture)
        return m_engine.ClearColours();
    // An own picture's line art is what the child drew with the pencil: back to blank paper.
    StrokeChange change = m_engine.EndStroke();
    const QRect before = m_engine.CanvasImage().rect();
    m_engine.LoadPicture(WhitePage(m_engine.LineArt().size()));
    change.dirty = before | m_engine.CanvasImage().rect();
    return change;
}

std::optional<ColouringDocument::Snapshot> ColouringDocument::SnapshotForSaving() const
{
    if (!IsOpen() || !NeedsSaving() || m_engine.IsStroking())
        return std::nullopt;
    // Copies now, on this thread, so that the next stroke never waits for one.
    return Snapshot{m_files, m_engine.CanvasImage().copy(),
                    m_files.ownPicture ? m_engine.LineArt().copy() : QImage(), m_version};
}

void ColouringDocument::Saved(const QString &picturePath, quint64 version)
{
    if (picturePath == m_files.picture && version == m_version)
        m_savedVersion = version;
}

StrokeChange ColouringDocument::Noted(const StrokeChange &change)
{
    if (change.strokeStarted || !change.dirty.isEmpty())
        Changed();
    return change;
}

StrokeChange ColouringDocument::Press(float x, float y)
{
    return Noted(m_engine.P_MouseDown(x, y));
}

StrokeChange ColouringDocument::Drag(float x, float y)
{
    return Noted(m_engine.P_MouseMove(x, y));
}

StrokeChange ColouringDocument::Release(float x, float y)
{
    return Noted(m_engine.P_MouseUp(x, y));
}

StrokeChange ColouringDocument::EndStroke()
{
    return Noted(m_engine.EndStroke());
}

StrokeChange ColouringDocument::Undo()
{
    Changed();
    return m_engine.Undo();
}
