#pragma once

#include <QString>
#include <QStringList>

#include "core/file_replace.h"

// The settings file: seven CR LF lines of Windows-1252 text beside the program.
//   1 play sounds (0/1)          5 bubble speed (2 fast, 4 medium, 10 slow)
//   2 quit without permission    6 parental password
//   3 auto-hide parental buttons 7 password hint
//   4 use parental password
// Numbers are written " 1 " (a space where the sign would go, and one after).

inline constexpr int kSettingsLineCount = 7;
inline constexpr int kSpeedFast = 2;
inline constexpr int kSpeedMedium = 4;
inline constexpr int kSpeedSlow = 10;

// The settings file of the program folder, whatever the case of its name.
QString SettingsFilePath(const QString &programFolder);

// What a gate checks a password against.
struct ParentalPassword {
    QString password;
    QString hint;
};

// The settings as the program uses them: read once per start-up pass and
// shared by every window through one reference, so a gate always asks with
// the settings as they are now.
struct MainWindowSettings {
    bool Play_Sound = false;
    bool QuitNeedsPermission = false;
    bool AutoHideButtons = false;
    bool Use_Parental_password = false;
    float BubbleSpeed = 0;
    QString Parental_Password;
    QString Parental_Password_Hint;

    ParentalPassword Parental() const { return {Parental_Password, Parental_Password_Hint}; }
};

// Reads the file line by line into `settings`. False when the file is missing,
// has fewer than seven lines, or a number line does not hold a number; the lines
// read before the fault have then been applied and the rest left as they were.
// A bubble speed below 1 counts as a fault too (the palette divides by it), and
// so does one past the range of a float.
bool ReadMainWindowSettings(const QString &path, MainWindowSettings &settings);

// The options window's controls: check-box values 0 (clear), 1 (ticked) or
// 2 (greyed), the chosen speed (0 when no speed button is chosen), and the texts.
struct OptionsValues {
    int playSounds = 1;
    int quitWithoutPermission = 0;
    int autoHide = 0;
    int useParentalPassword = 1;
    int speed = kSpeedMedium;
    QString password;
    QString hint;
};

// Reads the file into `values` line by line, stopping at the first fault (a
// check-box line that is not a number from 0 to 2, a speed line the colouring
// window cannot use either, fewer than seven lines). A usable speed other than
// 2, 4 or 10 leaves the speed as it was. False on any fault.
bool ReadOptionsValues(const QString &path, OptionsValues &values);

// The seven lines as the file holds them, each without its line end.
QStringList SettingsLines(const OptionsValues &values);

// Replaces the file atomically with the seven lines.
FileReplaceResult WriteSettingsFile(const QString &path, const OptionsValues &values);
