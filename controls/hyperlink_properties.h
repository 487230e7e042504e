#pragma once

#include <QColor>
#include <QFont>
#include <QSizeF>
#include <QString>
#include <QVariantMap>

// The saved properties of a text link, kept apart from the widget so saving and
// reading them back can be checked without a window.
struct HyperLinkProperties {
    QString Caption;
    QString Target;
    bool AutoSize = true;
    bool LinkAvailable = true; // stored and saved; nothing else reads it
    QFont Font;
    QColor BackColor;
    QColor ForeColor;
    QColor HoverForeColor = QColor(0, 0, 255);
    bool UseHoverForeColor = false;
    bool UnderlineOnHover = false;

    // A form saved before the hover effects existed shows them: they are on
    // whenever nothing says otherwise, while a newly placed link starts with them off.
    static HyperLinkProperties Unsaved(const QString &name, const QFont &font, const QColor &back,
                                       const QColor &fore);

    // All ten properties under their names, whether or not they hold their default.
    QVariantMap Save() const;
    // What the bag holds replaces the matching property; a missing key, or a value
    // of the wrong kind, leaves the property as it is.
    void Read(const QVariantMap &bag);

    bool operator==(const HyperLinkProperties &) const = default;
};

// The size a self-sizing link takes for a caption of the given size, in twips:
// the caption with room around it.
QSizeF HyperLinkAutoSizeTwips(QSizeF captionTwips);
