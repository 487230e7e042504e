#include "library/pack/pack_names.h"

#include "core/limits.h"

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

} // namespace

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
