#pragma once

#include "controls/file_dialog_request.h"

class QWidget;

// Shows one file dialog and answers what the user chose. The real one is a
// QFileDialog; tests may answer without a window.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    virtual FileDialogAnswer Choose(QWidget *owner, const FileDialogRequest &request) = 0;
};

// Qt's own dialog rather than the desktop's: it looks the same on every system
// and, being a plain modal widget, can be driven like any other window.
class QtFileChooser : public FileChooser {
public:
    FileDialogAnswer Choose(QWidget *owner, const FileDialogRequest &request) override;
};

// The chooser the dialog classes use when given none.
FileChooser &DefaultFileChooser();
