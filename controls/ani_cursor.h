#pragma once

#include <QCursor>
#include <QPointer>
#include <QWidget>

#include <optional>
#include <vector>

// One of the program's own cursors, loaded by number, and the widgets it has been
// given to, each with the cursor it showed before so that it can be put back.
class cAniCursor {
public:
    cAniCursor() = default;
    ~cAniCursor() { Destroy(); }
    cAniCursor(const cAniCursor &) = delete;
    cAniCursor &operator=(const cAniCursor &) = delete;

    // Gives back whatever was installed, then loads the cursor with its tabled hot
    // spot. False when there is no such cursor or its picture cannot be read; the
    // object then holds no cursor.
    bool LoadFromResource(int number);

    // True: the widget shows the loaded cursor (its own cursor is remembered the
    // first time). False: the widget gets back the cursor it had. Without a loaded
    // cursor nothing is installed, so a widget never ends up with a blank pointer.
    void SetAsDefaultCursor(QWidget *widget, bool state);

    // Puts back every remembered cursor and lets the loaded one go.
    void Destroy();

    std::optional<QCursor> hCursor() const { return m_cursor; }

    // The cursor for a number on its own, for controls that simply show it,
    // drawn for the sharpest screen there is.
    static std::optional<QCursor> Load(int number);
    // The same drawn for a screen of `devicePixelRatio`: the tabled size in
    // layout pixels, from the sharpest picture that suits. With
    // `hotSpotInPicturePixels` the hot spot is given in the picture's own
    // pixels, for a platform that takes it so; otherwise in layout pixels.
    static std::optional<QCursor> Load(int number, qreal devicePixelRatio, bool hotSpotInPicturePixels);
    // Whether this platform takes a cursor's hot spot in the picture's own pixels.
    static bool PlatformTakesHotSpotInPicturePixels();

private:
    struct Saved {
        QPointer<QWidget> widget;
        bool hadOwnCursor = false; // otherwise it showed its parent's cursor
        QCursor cursor;
    };
    static void Restore(const Saved &saved);

    std::optional<QCursor> m_cursor;
    std::vector<Saved> m_saved;
};

// The canvas pointer follows the drawing tool (0 crayon, 1 paintbrush, 2 pencil).
// Busy puts the canvas's usual pointer back, while the canvas is not in use.
void SetToolCursor(cAniCursor &cursor, QWidget *canvas, int tool, bool busy);
