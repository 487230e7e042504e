#pragma once

#include <QImage>
#include <QWidget>

#include "image/pixel_image.h"

class QMimeData;

// A button drawn entirely from pictures: one at rest, one while held down, one
// while latched (Pressed) and one while disabled, which it greys itself from the
// resting picture when none is given. It takes the size of its resting picture.
class pButton : public QWidget {
    Q_OBJECT

public:
    explicit pButton(QWidget *parent = nullptr);

    // The face shows this picture as it is, from its top left corner.
    void picture(const QImage &picture);
    // The same with a picture read from a file; false, and the face as it was,
    // when the file cannot be read.
    bool Picture2(const QString &fileName);
    // The state pictures; a null picture leaves that state's picture as it was.
    void SetPicture(const QImage &up, const QImage &down = {}, const QImage &pressed = {},
                    const QImage &disabled = {});

    // The button's own size in twips.
    int Width() const;
    int Height() const;
    void SetWidth(int twips);
    void SetHeight(int twips);

    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool enabled);
    void MouseIcon(const QCursor &icon) { setCursor(icon); }
    bool Pressed() const { return m_pressed; }
    void SetPressed(bool pressed);
    QString ToolText() const { return m_toolText; }
    void SetToolText(const QString &text);
    // 0 takes no dropped data; anything else raises OLEDragDrop for a drop.
    int OleDropMode() const { return m_oleDropMode; }
    void SetOleDropMode(int mode);
    bool AutoSize() const { return m_autoSize; } // kept for callers; the size always follows the picture
    void SetAutoSize(bool autoSize) { m_autoSize = autoSize; }
    // While true the face's picture changes without being shown; false shows it at once.
    bool LockRefresh() const { return m_lockRefresh; }
    void SetLockRefresh(bool lock);

    QSize sizeHint() const override;

Q_SIGNALS:
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF position);
    // Carries nothing: a window that needs where the button was let go keeps the
    // position from MouseMove or MouseDown.
    void MouseUp();
    void MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, QPointF position);
    void Click();
    void OLEDragDrop(const QMimeData *data, Qt::DropAction effect, Qt::MouseButtons buttons,
                     Qt::KeyboardModifiers shift, QPointF position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void Draw(const cNDib &image);
    void DrawEnabledState();
    void RebuildFace();
    void ShowFace();
    QSize PictureSize() const; // the resting picture's size in layout pixels

    cNDib m_normal;
    qreal m_pictureRatio = 1.0; // the resting picture's device pixel ratio
    cNDib m_down;
    cNDib m_pressedImage;
    cNDib m_disabled;
    cNDib m_grey;

    QImage m_face;                  // what the face shows; painted from here
    QImage m_facePicture;           // set with picture() or Picture2(), under any state picture
    const cNDib *m_shown = nullptr; // the state picture last drawn, redrawn after a resize
    bool m_autoSize = true;
    bool m_pressed = false;
    bool m_lockRefresh = false;
    int m_oleDropMode = 0;
    QString m_toolText;
};
