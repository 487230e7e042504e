#pragma once

#include <QString>

#include "canvas/picture_document.h"
#include "canvas/stroke_engine.h"

// The picture being coloured, owned whole: which picture it is and where its
// files are (worked out once, when it opens), the strokes on it (the stroke
// engine holds the line art, the canvas pixels and undo), and whether the
// coloured file still holds what the canvas shows. It opens, saves and clears;
// the canvas view shows it and hands it the pointer's presses, drags and releases.
class ColouringDocument {
public:
    explicit ColouringDocument(QString programFolder);

    // Opens a picture with its earlier colouring. False when its line art
    // cannot be read (`error` says why): the picture open before stays.
    bool Open(const QString &picturePath, QString &error);
    bool IsOpen() const { return !m_files.picture.isEmpty(); }
    // The line art's path; empty while no picture is open.
    const QString &Path() const { return m_files.picture; }
    const PictureFiles &Files() const { return m_files; }

    // True when the canvas shows something the coloured file does not hold: a
    // stroke, an undo or a clear since it was read or saved, or a picture that
    // had no colouring yet.
    bool NeedsSaving() const { return m_needsSaving; }
    // Writes the colouring when it needs saving; a failure keeps the files as
    // they were and the colouring still unsaved.
    DocumentSaveResult Save();
    // A picture that has no files (made in memory): coloured like any other,
    // never saved.
    void OpenUnsaved(const QImage &lineArt, const QImage &coloured = QImage());

    // Takes every colour off (an own picture becomes a blank page again) and
    // forgets the undo steps. Save first to keep what was there.
    StrokeChange Clear();

    // The strokes, as StrokeEngine takes them; each one changes the colouring.
    StrokeChange Press(float x, float y);
    StrokeChange Drag(float x, float y);
    StrokeChange Release(float x, float y);
    StrokeChange EndStroke();
    StrokeChange Undo();

    // The tool, colour and colour variation, and the pixels for reading.
    // Change the picture itself only through the calls above.
    StrokeEngine &Engine() { return m_engine; }
    const StrokeEngine &Engine() const { return m_engine; }

private:
    StrokeChange Noted(const StrokeChange &change);

    QString m_programFolder;
    PictureFiles m_files;
    StrokeEngine m_engine;
    bool m_needsSaving = false;
};
