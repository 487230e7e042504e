#pragma once

#include <QRect>
#include <QSize>
#include <QString>

// A name chosen for "Save picture as...": ".jpg" is added unless it already
// ends in ".jpg" or ".jpeg", compared case-sensitively (so "CAT.JPG" becomes
// "CAT.JPG.jpg", as it always has).
QString WithJpegExtension(const QString &fileName);

// Where a picture of `picture` size goes on a page of `page` size: as large as
// fits with its proportions kept, centred. Every figure rounded to the nearest
// whole number, halves to even.
QRect FitOnPage(QSizeF page, QSizeF picture);
