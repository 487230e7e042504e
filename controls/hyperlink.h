#pragma once

#include <QWidget>

#include "controls/hyperlink_properties.h"

// A text link: its caption centred on a plain background, taking the hover
// colour and an underline while the pointer is over it. Click comes from a left
// or middle click, or from Enter or Space while it has the focus.
class HyperLink : public QWidget {
    Q_OBJECT

public:
    explicit HyperLink(QWidget *parent = nullptr);

    QString Caption() const { return m_properties.Caption; }
    void SetCaption(const QString &caption);
    QString Target() const { return m_properties.Target; }
    void SetTarget(const QString &target) { m_properties.Target = target; }
    bool AutoSize() const { return m_properties.AutoSize; }
    void SetAutoSize(bool autoSize);
    bool LinkAvailable() const { return m_properties.LinkAvailable; }
    void SetLinkAvailable(bool available) { m_properties.LinkAvailable = available; }
    QFont Font() const { return m_properties.Font; }
    void SetFont(const QFont &font);
    QColor BackColor() const { return m_properties.BackColor; }
    void SetBackColor(const QColor &colour);
    QColor ForeColor() const { return m_properties.ForeColor; }
    void SetForeColor(const QColor &colour);
    QColor HoverForeColor() const { return m_properties.HoverForeColor; }
    void SetHoverForeColor(const QColor &colour) { m_properties.HoverForeColor = colour; }
    bool UseHoverForeColor() const { return m_properties.UseHoverForeColor; }
    void SetUseHoverForeColor(bool use) { m_properties.UseHoverForeColor = use; }
    bool UnderlineOnHover() const { return m_properties.UnderlineOnHover; }
    void SetUnderlineOnHover(bool underline) { m_properties.UnderlineOnHover = underline; }

    // The key a window's links are told apart by.
    QString Tag() const { return m_tag; }
    void SetTag(const QString &tag) { m_tag = tag; }

    // All ten properties under their names, and reading them back; what a saved
    // bag lacks takes the value of a link saved before that property existed.
    QVariantMap SaveProperties() const { return m_properties.Save(); }
    void ReadProperties(const QVariantMap &bag);

    bool IsHovered() const { return m_hover; }
    QSize sizeHint() const override;

    void Refresh();
    // Kept for callers of the link's interface: it opens nothing and answers 0.
    int OpenTarget(QWidget *owner = nullptr, int style = 0, const QString &startFolder = {});
    void About();

Q_SIGNALS:
    void Click();
    void RightClick(Qt::KeyboardModifiers shift);
    void MouseHover();
    void MouseLeave();
    void KeyPress(int character);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void SetHover(bool hover);
    QFont DrawingFont() const;
    QSize AutoSizePixels() const;

    HyperLinkProperties m_properties;
    QString m_tag;
    bool m_hover = false;
    bool m_pressed = false;
    bool m_focusShown = false; // a focus frame only when reached from the keyboard
};
