#pragma once

#include <QImage>
#include <QString>

// Pictures drawn for sharper screens. A compiled-in picture ":/faces/102.png"
// may have "102@2x.png" and "102@3x.png" beside it, drawn at twice and three
// times the size. This reads the one that suits a screen of `devicePixelRatio`
// (the smallest that is at least as sharp, else the sharpest there is) and
// marks it with its ratio, so that it lays out at the plain picture's size.
// A null image when even the plain picture cannot be read.
QImage ReadPictureForRatio(const QString &path, qreal devicePixelRatio);

// The name of the picture drawn `times` as large: "x/102.png", 2 -> "x/102@2x.png".
QString PictureNameAtRatio(const QString &path, int times);

// The same for the sharpest of the screens the program runs on.
QImage ReadPictureForScreens(const QString &path);
