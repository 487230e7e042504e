#pragma once

#include <QString>

#include "controls/file_dialog_request.h"

class QWidget;

// The arguments of the one-call open dialog. Filename, FileTitle, ReadOnly,
// Filter, FilterIndex and flags are also its outputs: a choice fills them in, a
// cancel empties them (FilterIndex -1, flags 0) so a caller can test Filename.
struct OpenFileArgs {
    QString Filename{};
    QString FileTitle{};
    bool FileMustExist = true;
    bool MultiSelect = false;
    bool ReadOnly = false;
    bool HideReadOnly = false;
    QString Filter{}; // "description|patterns" pairs; out: the chosen pair, NUL-joined
    int FilterIndex = 1;
    QString InitDir{};
    QString DlgTitle{};
    QString DefaultExt{};
    QWidget *Owner = nullptr; // none: the dialog has no parent window
    long flags = 0;
};

// The one-call save dialog; outputs as for OpenFileArgs.
struct SaveFileArgs {
    QString Filename{};
    QString FileTitle{};
    bool OverWritePrompt = true;
    QString Filter{};
    int FilterIndex = 1;
    QString InitDir{};
    QString DlgTitle{};
    QString DefaultExt{};
    QWidget *Owner = nullptr;
    long flags = 0;
};

FileDialogRequest OpenFileRequest(const OpenFileArgs &args);
FileDialogRequest SaveFileRequest(const SaveFileArgs &args);

// Writes an answer into the in/out arguments; true for a choice.
bool TakeAnswer(OpenFileArgs &args, const FileDialogAnswer &answer);
bool TakeAnswer(SaveFileArgs &args, const FileDialogAnswer &answer);
