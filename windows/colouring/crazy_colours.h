#pragma once

#include <functional>

class pButton;

// The crazy-colours button `c(3)`: a press holds the face still, the release
// flips the button's Pressed state and reports the colour jitter of the new
// mode (120 crazy, 10 normal).
void ConnectCrazyColours(pButton *button, std::function<void(int jitter)> jitterChanged);
