#include "windows/manage/picture_pack_import.h"

#include "controls/common_dialog.h"
#include "library/library_layout.h"
#include "library/pack/pack_import.h"
#include "windows/parental/frm_parent_message.h"

QString ImportPicturePackInteractively(QWidget *owner, const QString &programFolder, FileChooser *chooser)
{
    // Continue and Cancel both go on: the message only explains.
    ShowParentMessage(owner, QString::fromLatin1(kImportIntro), false);
    OpenFileArgs pack{.FileMustExist = true,
                      .MultiSelect = false,
                      .ReadOnly = false,
                      .Filter = QStringLiteral("Velmora image pack (*.vpk)|*.vpk"),
                      .FilterIndex = 1,
                      .Owner = owner};
    if (!GCommonDialog(chooser).VBGetOpenFileName(pack))
        return QString();
    const PackImport result = ImportPack(pack.Filename, LibraryLayout::BooksFolder(programFolder));
    ShowParentMessage(owner, result.message);
    return result.ok ? result.bookName : QString();
}
