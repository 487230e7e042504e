#pragma once

#include <QString>

class HyperLink;
class QWidget;

// The action links of the grown-ups' windows all look alike: bold dark blue,
// turning bright blue and underlined under the pointer.
HyperLink *MakeMessageLink(const QString &caption, QWidget *parent);
