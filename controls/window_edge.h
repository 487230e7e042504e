#pragma once

class QWidget;
class QPainter;

// The raised three-dimensional edge drawn around every small window of the
// program (they have no title bar of their own): a light outer and inner line
// on the top and left, dark ones on the bottom and right.
void DrawWindowEdge(QPainter &painter, const QWidget &window);
