#pragma once

#include <QImage>
#include <QWidget>

// The combo's drop button (pD): the "up" face at rest and the "down" face while
// the mouse is held on it. Without pictures of its own it draws a bright,
// rounded face with a white arrow, fitted to its size.
class ComboDropButton : public QWidget {
    Q_OBJECT

public:
    explicit ComboDropButton(QWidget *parent = nullptr);

    // b(0) and b(1); a null picture keeps that face. Pictures are stretched to the button.
    void SetFaces(const QImage &up, const QImage &down);
    bool IsDown() const { return m_down; }

    // The drawn faces, for a given size.
    static QImage DrawnFace(QSize size, bool down);

Q_SIGNALS:
    void Clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QImage m_up;
    QImage m_downFace;
    bool m_down = false;
};
