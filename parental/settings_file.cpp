#include "parental/settings_file.h"

#include <QFile>
#include <QLocale>

#include <cmath>
#include <limits>
#include <optional>

#include "core/case_insensitive_path.h"
#include "core/limits.h"
#include "core/rounding.h"
#include "core/windows1252.h"

namespace {

// The file's lines, split at CR LF (or a lone CR or LF); nullopt when it cannot be read.
std::optional<QStringList> ReadLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxSettingsFileBytes)
        return std::nullopt;
    QString text = FromWindows1252(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n')))
        lines.removeLast(); // the last line's own end, not an empty eighth line
    return lines;
}

// A number line, ignoring the spaces around it; nullopt for text or an empty line.
std::optional<double> NumberOf(const QString &line)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(line.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The one rule for line 5, shared by both readers: the palette divides by the
// speed's whole part, so below 1 (or past a float's range, where a bubble
// would never move) the file cannot be used.
std::optional<double> BubbleSpeedOf(const QString &line)
{
    const std::optional<double> number = NumberOf(line);
    if (!number || std::floor(*number) < 1 || std::floor(*number) > std::numeric_limits<float>::max())
        return std::nullopt;
    return number;
}

QString NumberLine(int value)
{
    return QStringLiteral(" %1 ").arg(value);
}

} // namespace

QString SettingsFilePath(const QString &programFolder)
{
    return FindIgnoringCase(programFolder, QStringLiteral("Settings.ini"));
}

bool ReadMainWindowSettings(const QString &path, MainWindowSettings &settings)
{
    const std::optional<QStringList> lines = ReadLines(path);
    if (!lines)
        return false;
    for (int index = 0; index < kSettingsLineCount; ++index) {
        if (index >= lines->size())
            return false;
        const QString &line = lines->at(index);
        if (index >= 5) {
            (index == 5 ? settings.Parental_Password : settings.Parental_Password_Hint) = line;
            continue;
        }
        if (index == 4) {
            const std::optional<double> speed = BubbleSpeedOf(line);
            if (!speed)
                return false;
            settings.BubbleSpeed = float(std::floor(*speed));
            continue;
        }
        const std::optional<double> number = NumberOf(line);
        if (!number)
            return false;
        const double whole = std::floor(*number);
        switch (index) {
        case 0: settings.Play_Sound = whole != 0; break;
        case 1: settings.QuitNeedsPermission = whole != 1; break;
        case 2: settings.AutoHideButtons = whole != 0; break;
        case 3: settings.Use_Parental_password = whole != 0; break;
        }
    }
    return true;
}

bool ReadOptionsValues(const QString &path, OptionsValues &values)
{
    const std::optional<QStringList> lines = ReadLines(path);
    if (!lines)
        return false;
    int *const checkBoxes[] = {&values.playSounds, &values.quitWithoutPermission, &values.autoHide,
                               &values.useParentalPassword};
    for (int index = 0; index < kSettingsLineCount; ++index) {
        if (index >= lines->size())
            return false;
        const QString &line = lines->at(index);
        if (index < 4) {
            const std::optional<double> number = NumberOf(line);
            if (!number)
                return false;
            // Checked before rounding: a number past what a whole number holds cannot be rounded.
            if (*number < -0.5 || *number > 2.5)
                return false;
            *checkBoxes[index] = int(RoundHalfEven(*number));
        } else if (index == 4) {
            // A speed the colouring window cannot use makes the file unreadable
            // here too, so this window explains why it opened.
            const std::optional<double> speed = BubbleSpeedOf(line);
            if (!speed)
                return false;
            if (*speed == kSpeedFast || *speed == kSpeedMedium || *speed == kSpeedSlow)
                values.speed = int(*speed);
        } else {
            (index == 5 ? values.password : values.hint) = line;
        }
    }
    return true;
}

QStringList SettingsLines(const OptionsValues &values)
{
    return {NumberLine(values.playSounds),
            NumberLine(values.quitWithoutPermission),
            NumberLine(values.autoHide),
            NumberLine(values.useParentalPassword),
            values.speed > 0 ? NumberLine(values.speed) : QString(),
            values.password,
            values.hint};
}

FileReplaceResult WriteSettingsFile(const QString &path, const OptionsValues &values)
{
    QByteArray contents;
    for (const QString &line : SettingsLines(values)) {
        // A line break inside the password or hint would shift every later line.
        QString single = line;
        single.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
        contents += ToWindows1252(single) + "\r\n";
    }
    return ReplaceFileContents(path, contents);
}
