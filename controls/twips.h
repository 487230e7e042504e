#pragma once

#include <QSize>

// Window layout is reckoned in twips (1/1440 inch) in many places; these turn
// twips into the screen's pixels and back, at the primary screen's logical
// resolution (15 twips a pixel at 96 dots per inch).
double TwipsPerPixelX();
double TwipsPerPixelY();

int TwipsToPixelsX(double twips);
int TwipsToPixelsY(double twips);
double PixelsToTwipsX(int pixels);
double PixelsToTwipsY(int pixels);
