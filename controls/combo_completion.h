#pragma once

#include <QString>
#include <QStringList>

// The combo's type-ahead, as a rule over texts. The combo keeps a memory (tag)
// of the text typed so far; while the combo itself replaces the text, the tag
// holds kCompletionMarker so that the change it causes is not completed again.

inline constexpr char kCompletionMarker[] = "597";

struct CompletionStep {
    QString tag;           // the memory after this change
    bool replace = false;  // true: show `text`, with [selectionStart, +selectionLength) selected
    QString text;
    int selectionStart = 0;
    int selectionLength = 0;
};

// What one change of the text to `text` does, with `tag` the memory before it
// and `items` the list. It completes only when exactly one character was typed
// onto the remembered text (or the first character changed), to the first item
// that begins with the text, ignoring case.
CompletionStep CompleteTyping(const QString &text, const QString &tag, const QStringList &items);
