#pragma once

class QWidget;

// The management windows look alike: white, their caption as a bold dark-blue
// title at the top left (`margin` from the edges), and the raised edge.
void PaintManagementWindow(QWidget &window, int margin);
