#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>

// The colour frame `PB` round the canvas: the current colour with a shadow band
// round the canvas and a dark gradient along the top. The canvas is a child of
// the frame; the band follows it when it moves, changes size, shows or hides.
class ColourFrameView : public QWidget {
    Q_OBJECT

public:
    explicit ColourFrameView(QWidget *parent = nullptr);

    // The child the band goes round; null for none.
    void SetCanvas(QWidget *canvas);
    QWidget *Canvas() const { return m_canvas; }

    // Makes `colour` (red + 256 x green + 65536 x blue) the frame's colour and repaints it.
    void SetColour(qint32 colour);
    qint32 Colour() const { return m_colour; }

    // What the frame shows.
    const QImage &FrameImage() const { return m_image; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Render();

    QPointer<QWidget> m_canvas;
    QImage m_image;
    qint32 m_colour = 0;
};
