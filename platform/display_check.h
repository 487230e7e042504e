#pragma once

#include <QString>

// What the display must offer before the program starts.
struct DisplayMetrics {
    int width = 0;  // device pixels
    int height = 0; // device pixels
    int bitsPerPixel = 0;
};

enum class DisplayVerdict {
    Refuse,        // too small or too few colours: a message, then the program ends
    AskToContinue, // works, but not every picture will fit: the grown-up is asked
    Fine,
};

// Below 800 x 600 or 16 bits per pixel is refused; below 1024 x 768 asks.
DisplayVerdict CheckDisplay(const DisplayMetrics &display);

// The message shown when the display is refused.
QString DisplayRefusedMessage();
// The question asked below 1024 x 768.
QString DisplayRecommendationQuestion();
