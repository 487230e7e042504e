#pragma once

#include <QString>

#include <stdexcept>

class FileChooser;
class QWidget;

// Raised by a cancelled dialog when CancelError is set.
class FileDialogCancelled : public std::runtime_error {
public:
    explicit FileDialogCancelled(QString source);
    // The program's executable name followed by the class the dialog came from.
    QString source() const { return m_source; }
    QString description() const;

private:
    QString m_source;
};

// A file dialog as an object with properties, for picking several pictures at
// once. A cancel leaves Filename as it was, so callers empty it first and read
// an empty name as a cancel.
class cFileDialog {
public:
    explicit cFileDialog(FileChooser *chooser = nullptr);

    bool CancelError = false;
    // In: the proposed name. Out: the chosen file; for a multiple selection the
    // whole selection for ParseMultiFileName.
    QString Filename;
    QString FileTitle; // passed to the dialog; never changed by it
    int FilterIndex = 1;
    QString DefaultExt;
    QString DialogTitle;
    long flags = 0; // DialogFlag values; AllowMultiSelect picks several files
    QWidget *hWnd = nullptr;
    QString InitDir;

    // Set in the "description|patterns" form; read back converted (file_filter.h).
    QString Filter() const { return m_filter; }
    void SetFilter(const QString &filter);

    void ShowOpen();
    void ShowSave();

    // Splits Filename into the folder and the names of the files chosen.
    void ParseMultiFileName(QString &sDir, QStringList &sFiles, long &lFileCount) const;

private:
    bool Show(bool save);

    FileChooser *m_chooser;
    QString m_filter;
};
