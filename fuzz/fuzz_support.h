#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

// What every fuzz target shares: Qt started once with its image plugins, a
// scratch folder of the process's own, and a check that stops the run.

// Stops the run with a message, so that libFuzzer keeps the input as a crash.
#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (false)

// Creates the QCoreApplication and stops when Qt cannot read BMP, GIF or JPEG
// (a missing image plugin would make every picture look damaged). For
// LLVMFuzzerInitialize.
void StartFuzzing();

// An empty folder of this process, the same one each call, removed at exit.
QString ScratchFolder();

// Writes `bytes` to `path`, replacing it; stops the run when that fails.
void WriteFuzzFile(const QString &path, QByteArrayView bytes);

// Every file and folder below `folder`, as paths relative to it, sorted.
QStringList EntriesBelow(const QString &folder);

// Empties `folder` (keeps the folder itself).
void EmptyFolder(const QString &folder);
