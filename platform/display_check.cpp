#include "platform/display_check.h"

DisplayVerdict CheckDisplay(const DisplayMetrics &display)
{
    if (display.bitsPerPixel < 16 || display.width < 800 || display.height < 600)
        return DisplayVerdict::Refuse;
    if (display.width < 1024 || display.height < 768)
        return DisplayVerdict::AskToContinue;
    return DisplayVerdict::Fine;
}

QString DisplayRefusedMessage()
{
    return QStringLiteral("This program can not run under the current screen resolution. The minimum size is 800 by "
                          "600, at a color mode of 24 bits (true color).\r\nYou must change the resolution before "
                          "the program can run.");
}

QString DisplayRecommendationQuestion()
{
    return QStringLiteral("Although this program is able to run at your current screen resolution, it is highly "
                          "recommended that you switch to a minimum size of 1024 by 768; otherwise, not all of the "
                          "pictures will fit on the screen.\r\n\r\nWould you like to continue anyway?");
}
