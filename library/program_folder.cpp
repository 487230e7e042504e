#include "library/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace {

QString Absolute(const QString &path)
{
    return QDir::cleanPath(QDir(path).absolutePath());
}

} // namespace

QString ChooseProgramFolder(const ProgramFolderCandidates &candidates)
{
    if (!candidates.commandLineRoot.isEmpty())
        return Absolute(candidates.commandLineRoot);
    if (!candidates.environmentRoot.isEmpty())
        return Absolute(candidates.environmentRoot);
    if (!candidates.executableFolder.isEmpty() && QDir(candidates.executableFolder).exists(QStringLiteral("books")))
        return Absolute(candidates.executableFolder);
    return Absolute(candidates.userDataFolder);
}

ProgramFolderCandidates CurrentProgramFolderCandidates(const QString &commandLineRoot)
{
    ProgramFolderCandidates candidates;
    candidates.commandLineRoot = commandLineRoot;
    candidates.environmentRoot = qEnvironmentVariable("VELMORA_ROOT");
    candidates.executableFolder = QCoreApplication::applicationDirPath();
    candidates.userDataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return candidates;
}
