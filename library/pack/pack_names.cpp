#include "library/pack/pack_names.h"

#include "core/limits.h"
#include "library/library_layout.h"

namespace {

bool IsRefusedCharacter(QChar c)
{
    static const QString refused = QStringLiteral("\\/:*?\"<>|");
    return c.category() == QChar::Other_Control || refused.contains(c);
}

// stem + suffix, the stem shortened (by whole characters) until the name fits
// kMaxPackNameBytes: a numbered copy of a name at the limit must still be one
// the file system takes.
QString FittedName(QString stem, const QString &suffix)
{
    const qsizetype suffixBytes = suffix.toUtf8().size();
    while (!stem.isEmpty() && stem.toUtf8().size() + suffixBytes > kMaxPackNameBytes)
        stem.chop(stem.size() >= 2 && stem.back().isLowSurrogate() ? 2 : 1);
    return stem + suffix;
}

// CON, PRN, AUX, NUL, COM1..9 and LPT1..9 name devices on Windows, whatever follows the first dot.
bool IsWindowsDeviceName(const QString &name)
{
    const QString stem = name.section(QLatin1Char('.'), 0, 0).trimmed().toUpper();
    if (stem == QLatin1String("CON") || stem == QLatin1String("PRN") || stem == QLatin1String("AUX")
        || stem == QLatin1String("NUL"))
        return true;
    return stem.size() == 4 && (stem.startsWith(QLatin1String("COM")) || stem.startsWith(QLatin1String("LPT")))
           && stem.at(3) >= QLatin1Char('1') && stem.at(3) <= QLatin1Char('9');
}

// What every name must be, book or picture.
QString CommonFault(const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("is empty");
    if (name.toUtf8().size() > kMaxPackNameBytes)
        return QStringLiteral("is longer than %1 bytes").arg(kMaxPackNameBytes);
    if (!IsPlainPackName(name))
        return QStringLiteral("is not a plain name: it holds a folder or one of the characters \\ / : * ? \" < > | "
                              "or a control character");
    if (name.trimmed().isEmpty())
        return QStringLiteral("holds only spaces");
    if (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        return QStringLiteral("ends in a dot or a space, which Windows does not allow");
    if (IsWindowsDeviceName(name))
        return QStringLiteral("is a name Windows keeps for a device");
    return {};
}

} // namespace

QString PackBookNameFault(const QString &name)
{
    return CommonFault(name);
}

QString PackPictureNameFault(const QString &name)
{
    const QString fault = CommonFault(name);
    if (!fault.isEmpty())
        return fault;
    if (!LibraryLayout::IsPictureFileName(name))
        return QStringLiteral("is not the name of a picture (.bmp, .gif or .jpg)");
    return {};
}

bool IsPlainPackName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    if (name.toUtf8().size() > kMaxPackNameBytes)
        return false;
    for (QChar c : name) {
        if (IsRefusedCharacter(c))
            return false;
    }
    return true;
}

QString FreeBookName(const QString &name, const std::function<bool(const QString &)> &taken)
{
    if (!taken(name))
        return name;
    for (int k = 1;; ++k) {
        const QString candidate = FittedName(name, QLatin1Char('_') + QString::number(k));
        if (!taken(candidate))
            return candidate;
    }
}

QString FreePictureName(const QString &fileName, const QSet<QString> &takenFolded)
{
    if (!takenFolded.contains(fileName.toLower()))
        return fileName;
    const qsizetype length = fileName.size();
    qsizetype dot = -1;
    if (length >= 4 && fileName.at(length - 4) == QLatin1Char('.'))
        dot = length - 4;
    else if (fileName.lastIndexOf(QLatin1Char('.')) > 0)
        dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot < 0 ? fileName : fileName.left(dot);
    const QString extension = dot < 0 ? QString() : fileName.mid(dot);
    for (int k = 1;; ++k) {
        const QString candidate = FittedName(stem, QLatin1Char('_') + QString::number(k) + extension);
        if (!takenFolded.contains(candidate.toLower()))
            return candidate;
    }
}
