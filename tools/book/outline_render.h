#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class QSvgRenderer;

// The default book's pictures are drawn as SVG and shipped as pure black and
// white bitmaps, because a stroke stops at the first pixel that is not exactly
// white: a grey antialiasing fringe would leave pale gaps along every line.
namespace OutlineRender {

constexpr QSize kPageSize(1000, 700);
// A pixel darker than this (by qGray) becomes black, every other one white.
constexpr int kThreshold = 128;

// Renders the picture antialiased over white at `size` and thresholds it into
// a Format_Mono image whose colour table is exactly black, white.
QImage Render(QSvgRenderer &svg, QSize size = kPageSize);

// The same for a file; a null image when it is missing or not an SVG picture.
QImage RenderFile(const QString &svgPath, QSize size = kPageSize);

} // namespace OutlineRender
