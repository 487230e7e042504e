#pragma once

#include <QString>
#include <QStringList>

class FileChooser;
class QWidget;

// The pictures dialog of the library windows: BMP, GIF and JPEG files of one
// folder, several at once, each of which must exist. False when the grown-up
// cancelled; otherwise `folder` (ending in '/') and the chosen names, in the
// dialog's order.
bool ChoosePictures(QWidget *owner, FileChooser *chooser, QString &folder, QStringList &fileNames);
