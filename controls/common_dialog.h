#pragma once

#include "controls/common_dialog_args.h"

class FileChooser;

// One-call open and save dialogs whose results come back through the
// arguments (see OpenFileArgs). For example:
//   SaveFileArgs args{.Filter = "Jpeg file (*.jpg)|*.jpg", .DlgTitle = "Save as", .Owner = this};
//   if (GCommonDialog().VBGetSaveFileName(args)) Save(args.Filename);
class GCommonDialog {
public:
    explicit GCommonDialog(FileChooser *chooser = nullptr);

    bool VBGetOpenFileName(OpenFileArgs &args);
    bool VBGetSaveFileName(SaveFileArgs &args);

    // The last call's dialog result: 1 for a choice, 0 for a cancel, anything
    // else for a failure whose code ExtendedError then holds.
    long APIReturn() const { return m_apiReturn; }
    long ExtendedError() const { return m_extendedError; }

private:
    FileDialogAnswer Show(QWidget *owner, const FileDialogRequest &request);

    FileChooser *m_chooser;
    long m_apiReturn = 0;
    long m_extendedError = 0;
};
