#pragma once

#include <QString>

#include <optional>

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
    bool NeedsSaving() const { return m_version != m_savedVersion; }
    // Writes the colouring when it needs saving; a failure keeps the files as
    // they were and the colouring still unsaved.
    DocumentSaveResult Save();
    // What a save on another thread needs: the files and copies of the pixels,
    // with the version of the colouring they show. Nothing while no save is
    // needed or a stroke is still going on.
    struct Snapshot {
        PictureFiles files;
        QImage canvas;
        QImage lineArt;
        quint64 version = 0;
    };
    std::optional<Snapshot> SnapshotForSaving() const;
    // A snapshot's save has finished: the colouring counts as saved unless it
    // changed since (or another picture is open now).
    void Saved(const QString &picturePath, quint64 version);

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
    void Changed() { ++m_version; }

    QString m_programFolder;
    PictureFiles m_files;
    StrokeEngine m_engine;
    // Every change counts up; never reset, so that a save of an earlier picture
    // or colouring can never pass for one of this.
    quint64 m_version = 0;
    quint64 m_savedVersion = 0;
};
