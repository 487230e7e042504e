#include "controls/combo_completion.h"

namespace {

bool OneCharacterTyped(const QString &text, const QString &tag)
{
    if (!tag.isEmpty() && text.at(0) != tag.at(0))
        return true;
    return tag.size() == text.size() - 1 && text.contains(tag, Qt::CaseInsensitive);
}

} // namespace

CompletionStep CompleteTyping(const QString &text, const QString &tag, const QStringList &items)
{
    CompletionStep step;
    step.tag = tag;
    const QString marker = QString::fromLatin1(kCompletionMarker);
    if (text.isEmpty() || tag == marker)
        return step;
    step.tag = text;
    if (!OneCharacterTyped(text, tag))
        return step;
    for (const QString &item : items) {
        if (!item.startsWith(text, Qt::CaseInsensitive))
            continue;
        step.replace = true;
        step.text = text + item.mid(text.size());
        step.selectionStart = text.size();
        step.selectionLength = item.size() - text.size();
        return step;
    }
    return step;
}
