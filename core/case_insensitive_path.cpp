#include "core/case_insensitive_path.h"

#include <QDir>

namespace {

QStringList EntriesOf(const QDir &dir)
{
    return dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

QString FindIgnoringCase(const QString &folder, const QString &name)
{
    const QDir dir(folder);
    if (dir.exists(name))
        return dir.filePath(name);
    const QStringList entries = EntriesOf(dir);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return dir.filePath(name);
}

FolderIgnoringCase::FolderIgnoringCase(const QString &folder) : m_folder(folder)
{
    for (const QString &entry : EntriesOf(QDir(folder))) {
        m_names.insert(entry);
        const QString folded = entry.toCaseFolded();
        if (!m_byFoldedName.contains(folded)) // the first spelling in name order stays
            m_byFoldedName.insert(folded, entry);
    }
}

QString FolderIgnoringCase::Find(const QString &name) const
{
    const QDir dir(m_folder);
    if (m_names.contains(name))
        return dir.filePath(name);
    return dir.filePath(m_byFoldedName.value(name.toCaseFolded(), name));
}
