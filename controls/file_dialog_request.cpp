#include "controls/file_dialog_request.h"

#include <QFileInfo>

#include <algorithm>

namespace {

const QChar kNul(u'\0');
constexpr long kNoHookOrTemplate = ~(DialogFlag::EnableHook | DialogFlag::EnableTemplate);

qsizetype LastSeparator(const QString &path)
{
    return std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
}

} // namespace

long OpenDialogFlags(bool fileMustExist, bool multiSelect, bool readOnly, bool hideReadOnly, long flags)
{
    return (fileMustExist ? DialogFlag::FileMustExist : 0) | (multiSelect ? DialogFlag::AllowMultiSelect : 0) |
           (readOnly ? DialogFlag::ReadOnly : 0) | (hideReadOnly ? DialogFlag::HideReadOnly : 0) |
           (flags & kNoHookOrTemplate);
}

long SaveDialogFlags(bool overwritePrompt, long flags)
{
    return (overwritePrompt ? DialogFlag::OverwritePrompt : 0) | DialogFlag::HideReadOnly |
           (flags & kNoHookOrTemplate);
}

long ReturnedFlags(long passed, const QStringList &files, const QString &defaultExt)
{
    if (files.size() == 1 && !defaultExt.isEmpty() &&
        QFileInfo(files.first()).suffix().compare(defaultExt, Qt::CaseInsensitive) != 0)
        return passed | DialogFlag::ExtensionDifferent;
    return passed;
}

QString SelectionText(const QStringList &files)
{
    if (files.isEmpty())
        return {};
    if (files.size() == 1)
        return files.first() + kNul + kNul;
    const QString folder = QFileInfo(files.first()).absolutePath();
    QString text = folder + kNul;
    for (const QString &file : files)
        text += QFileInfo(file).fileName() + kNul;
    return text + kNul;
}

void ParseMultiFileName(const QString &Filename, QString &sDir, QStringList &sFiles, long &lFileCount)
{
    const QString selection = Filename.left(Filename.indexOf(QString(2, kNul)));
    sFiles.clear();
    if (!selection.contains(kNul)) {
        lFileCount = 1;
        const qsizetype separator = LastSeparator(Filename);
        sDir = Filename.left(separator + 1);
        const QString rest = Filename.mid(separator + 1);
        sFiles << rest.left(rest.indexOf(kNul));
        return;
    }
    const QStringList parts = selection.split(kNul);
    sDir = parts.first();
    for (qsizetype i = 1; i < parts.size(); ++i) {
        sFiles << parts[i];
        ++lFileCount;
    }
}
