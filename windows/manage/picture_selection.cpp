#include "windows/manage/picture_selection.h"

#include "controls/file_dialog.h"
#include "controls/file_dialog_request.h"

bool ChoosePictures(QWidget *owner, FileChooser *chooser, QString &folder, QStringList &fileNames)
{
    cFileDialog dialog(chooser);
    dialog.SetFilter(QStringLiteral("Pictures (*.bmp,*.gif,*.jpg)|*.bmp;*.gif;*.jpg"));
    dialog.flags = DialogFlag::FileMustExist | DialogFlag::AllowMultiSelect;
    dialog.hWnd = owner;
    // A cancel leaves the name as it was: empty.
    dialog.Filename.clear();
    dialog.ShowOpen();
    if (dialog.Filename.isEmpty())
        return false;
    long count = 0;
    fileNames.clear();
    dialog.ParseMultiFileName(folder, fileNames, count);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return true;
}
