#pragma once

#include <QString>

// The default library installed with the program (the book "Velmora" and the
// help pages) lies in share/velmora beside the program's bin folder; the build
// folder is laid out the same way.
QString InstalledLibraryFolder(const QString &executableFolder);

// Gives a program folder without books its first library: copies the installed
// default library into it, leaving any file already there alone. A folder that
// has books already gets only the help pages it lacks. True when the folder
// holds a books folder afterwards.
bool SeedDefaultLibrary(const QString &programFolder, const QString &installedFolder);
