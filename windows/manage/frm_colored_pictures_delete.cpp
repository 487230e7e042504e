// Deleting coloured pictures, and the book folder they leave empty.
#include "windows/manage/frm_colored_pictures.h"

#include <QDir>

#include "controls/combo.h"
#include "library/library_files.h"
#include "library/library_layout.h"
#include "windows/manage/thumbnail_grid.h"
#include "library/thumbnail_file.h"
#include "library/thumbnail_list.h"
#include "windows/parental/frm_parent_message.h"

void frmColoredPictures::DeletePictures()
{
    if (m_grid->SelectedCount() == 0) {
        ShowParentMessage(this, QStringLiteral("Please select at least one picture to delete."));
        return;
    }
    if (ShowParentMessage(this, QStringLiteral("Are you sure you wish to delete the selected picture(s)?"), true))
        return;
    const QString folder = BookFolder(m_books->ListIndex().toInt());
    for (const QString &name : m_grid->SelectedNames()) {
        const QString picture = QDir(folder).filePath(name);
        if (!LibraryLayout::DeleteColouredPicture(picture)) {
            ShowParentMessage(this, QStringLiteral("The file '") + QDir::toNativeSeparators(picture) +
                                        QStringLiteral("' could not be removed. Please make sure it exists and that "
                                                       "it is not write protected."));
            return;
        }
        m_grid->RemoveName(name);
    }
    // A book whose grid is empty only because its pictures cannot be read still
    // holds them: its folder stays.
    if (m_grid->count() == 0 && m_books->ListCount() >= 2 && ListColouredPictureFiles(folder).isEmpty())
        RemoveEmptiedBook();
}

void frmColoredPictures::RemoveEmptiedBook()
{
    const int emptied = m_books->ListIndex().toInt();
    // Another book is shown first, so that nothing still lists the folder.
    m_books->SetListIndex(emptied == 1 ? QStringLiteral("0") : QStringLiteral("1"));
    const QString folder = BookFolder(emptied);
    if (DeleteFolderIfPresent(folder)) {
        m_books->RemoveItem(emptied);
        return;
    }
    ShowParentMessage(this, QStringLiteral("The folder '") + QDir::toNativeSeparators(folder) +
                                QStringLiteral("' could not be removed. Please make sure it exists and that it is "
                                               "not write protected."));
}
