#include "controls/file_filter.h"

namespace {
const QChar kNul(u'\0');
}

QString ConvertFilter(const QString &filter)
{
    QString converted = filter;
    converted.replace(u'|', kNul).replace(u':', kNul);
    return converted + kNul + kNul;
}

QList<FilterPair> FilterPairs(const QString &converted)
{
    const QStringList parts = converted.split(kNul);
    QList<FilterPair> pairs;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty() || parts[i + 1].isEmpty())
            break;
        QStringList patterns;
        for (const QString &pattern : parts[i + 1].split(u';', Qt::SkipEmptyParts)) {
            if (!pattern.trimmed().isEmpty())
                patterns << pattern.trimmed();
        }
        pairs << FilterPair{parts[i], patterns};
    }
    return pairs;
}

QString QtNameFilter(const FilterPair &pair)
{
    return pair.description + QStringLiteral(" (") + pair.patterns.join(u' ') + u')';
}

QStringList QtNameFilters(const QString &converted)
{
    QStringList filters;
    for (const FilterPair &pair : FilterPairs(converted))
        filters << QtNameFilter(pair);
    return filters;
}

QString ChosenFilter(const QString &converted, int filterIndex)
{
    const QList<FilterPair> pairs = FilterPairs(converted);
    if (filterIndex < 1 || filterIndex > pairs.size())
        return {};
    const FilterPair &pair = pairs[filterIndex - 1];
    return pair.description + kNul + pair.patterns.join(u';');
}
