#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Filters are written as "description|patterns" pairs ("Jpeg file (*.jpg)|*.jpg",
// several patterns of one pair joined by ";"). The dialogs keep them in the old
// list form: every "|" and every ":" becomes a NUL, and two NULs end the list.
// A colon therefore splits a description just like a "|" does.
QString ConvertFilter(const QString &filter);

struct FilterPair {
    QString description;
    QStringList patterns;
    bool operator==(const FilterPair &) const = default;
};

// The pairs of a converted filter, read up to the first empty string; a trailing
// description without patterns is dropped.
QList<FilterPair> FilterPairs(const QString &converted);

// Qt's form of one pair, "description (*.a *.b)". The dialog hides the pattern
// part again, so the user sees the description as the caller wrote it.
QString QtNameFilter(const FilterPair &pair);
QStringList QtNameFilters(const QString &converted);

// The pair at a 1-based index as the dialogs hand it back: description and
// patterns joined by a NUL; empty when there is no such pair.
QString ChosenFilter(const QString &converted, int filterIndex);
