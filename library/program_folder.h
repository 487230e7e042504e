#pragma once

#include <QString>

// Every path the program uses is built from one data root, the program folder.
// These are the places it may come from, in the order they are tried.
struct ProgramFolderCandidates {
    QString commandLineRoot;  // --root DIR
    QString environmentRoot;  // VELMORA_ROOT
    QString executableFolder; // the folder holding the program; used when it holds "books" (portable install)
    QString userDataFolder;   // the user's data folder, the fallback
};

// Picks the program folder: the first of the candidates above that applies.
// The result is an absolute, cleaned path.
QString ChooseProgramFolder(const ProgramFolderCandidates &candidates);

// Reads the real candidates of this run: the given --root value, the
// environment, the executable's folder and the user's data folder.
ProgramFolderCandidates CurrentProgramFolderCandidates(const QString &commandLineRoot);
