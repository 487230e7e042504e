#pragma once

#include <QString>

class HyperLink;
class QWidget;

#include <QColor>

// The action links of the grown-ups' windows all look alike: bold dark blue,
// turning bright blue and underlined under the pointer, on the window's own
// background (transparent over a picture).
HyperLink *MakeMessageLink(const QString &caption, QWidget *parent, const QColor &background = Qt::transparent);
