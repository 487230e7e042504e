#pragma once

#include <QFont>

// The program's two voices: a rounded, friendly hand for what a child reads
// (Comic Neue, Debian's fonts-comic-neue) and a plain sans for grown-ups
// (DejaVu Sans, fonts-dejavu-core).
QFont ChildFont(int pointSize, bool bold = false);
QFont ParentFont(int pointSize, bool bold = false);
