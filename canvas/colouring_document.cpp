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
    // A picture opened bare is written once, so that its colouring exists.
    m_needsSaving = !opened.colouredUsed;
    return true;
}

void ColouringDocument::OpenUnsaved(const QImage &lineArt, const QImage &coloured)
{
    m_engine.EndStroke();
    if (!m_engine.LoadPicture(lineArt, coloured))
        return;
    m_files = PictureFiles();
    m_needsSaving = false;
}

DocumentSaveResult ColouringDocument::Save()
{
    if (!IsOpen() || !m_needsSaving)
        return {};
    const DocumentSaveResult saved = SaveColouredPicture(m_files, m_engine.CanvasImage(), m_engine.LineArt());
    if (saved.ok())
        m_needsSaving = false;
    return saved;
}

StrokeChange ColouringDocument::Clear()
{
    m_needsSaving = true;
    if (!m_files.ownPicture)
        return m_engine.ClearColours();
    // An own picture's line art is what the child drew with the pencil: back to blank paper.
    StrokeChange change = m_engine.EndStroke();
    const QRect before = m_engine.CanvasImage().rect();
    m_engine.LoadPicture(WhitePage(m_engine.LineArt().size()));
    change.dirty = before | m_engine.CanvasImage().rect();
    return change;
}

StrokeChange ColouringDocument::Noted(const StrokeChange &change)
{
    if (change.strokeStarted || !change.dirty.isEmpty())
        m_needsSaving = true;
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
    m_needsSaving = true;
    return m_engine.Undo();
}
