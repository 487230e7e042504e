#pragma once

#include <QString>

class FileChooser;
class QWidget;

// The management window's "import picture pack": explains packs, asks for one,
// installs it as a new book of programFolder's library and says how it went.
// Returns the new book's name, for the caller's book list; empty when nothing
// was added (cancelled or failed).
QString ImportPicturePackInteractively(QWidget *owner, const QString &programFolder, FileChooser *chooser = nullptr);
