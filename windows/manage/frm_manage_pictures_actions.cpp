// The management window's actions, each run to its end or to the first
// message that ends it inside one click.
#include "windows/manage/frm_manage_pictures.h"

#include <QInputDialog>

#include "controls/combo.h"
#include "library/book_management.h"
#include "windows/manage/frm_picture_pack.h"
#include "windows/manage/picture_pack_import.h"
#include "windows/manage/picture_selection.h"
#include "windows/manage/thumbnail_grid.h"
#include "windows/parental/frm_parent_message.h"

using namespace BookManagement;

namespace {

// A message the grown-up reads and dismisses; true when there was one.
bool Tell(QWidget *owner, const QString &message)
{
    if (message.isEmpty())
        return false;
    ShowParentMessage(owner, message);
    return true;
}

// A question answered with Continue (true) or Cancel.
bool Confirm(QWidget *owner, const QString &question)
{
    return !ShowParentMessage(owner, question, true);
}

} // namespace

void frmManagePictures::cFunc_Click(const QString &key)
{
    if (key == QLatin1String("add book"))
        AddBook();
    else if (key == QLatin1String("remove book"))
        RemoveBook();
    else if (key == QLatin1String("add pictures"))
        AddPictures();
    else if (key == QLatin1String("delete pictures"))
        DeletePictures();
    else if (key == QLatin1String("import picture pack"))
        ImportPack();
    else if (key == QLatin1String("create picture pack"))
        CreatePack();
    else if (key == QLatin1String("close"))
        accept();
}

void frmManagePictures::AddBook()
{
    const QString answer = QInputDialog::getText(this, QStringLiteral("Book title"),
                                                 QStringLiteral("Please enter a title for the new book."));
    QString title;
    const Outcome outcome = CreateBook(m_programFolder, answer, title);
    if (Tell(this, outcome.message) || !outcome.done)
        return;
    m_libraryChanged = true;
    m_books->AddItem(title);
    // The new book is shown at once, ready for its pictures.
    SelectBook(m_books->ListCount() - 1);
}

void frmManagePictures::RemoveBook()
{
    const QString book = SelectedBook();
    if (book.isEmpty() || Tell(this, BookDeletionRefusal(book, m_books->ListCount())))
        return;
    if (!Confirm(this, QStringLiteral("Are you sure you wish to delete this book? If you select yes, any colored "
                                      "pictures from this book will be removed too.")))
        return;
    if (Tell(this, OpenPictureRefusal(m_programFolder, book, m_openPicture)))
        return;
    const int index = m_books->ListIndex().toInt();
    // Another book in the grid, so that nothing of this one is in use.
    LoadThumbnails(BookFolder(m_books->List(index == 1 ? 0 : 1)));
    const Outcome outcome = DeleteBook(m_programFolder, book);
    if (outcome.done) {
        m_libraryChanged = true;
        m_books->RemoveItem(index);
        SelectBook(0);
    }
    Tell(this, outcome.message);
}

void frmManagePictures::AddPictures()
{
    const QString book = SelectedBook();
    if (book.isEmpty() || Tell(this, AddingRefusal(book)))
        return;
    QString sourceFolder;
    QStringList fileNames;
    if (!ChoosePictures(this, m_chooser, sourceFolder, fileNames))
        return;
    const QString bookFolder = BookFolder(book);
    if (IsSameFolder(sourceFolder, bookFolder)) {
        Tell(this, QStringLiteral("You are attempting to copy picture(s) from one book into the same book!"));
        return;
    }
    for (const QString &fileName : std::as_const(fileNames)) {
        const AddOutcome outcome = AddPicture(m_programFolder, book, sourceFolder, fileName);
        if (outcome.result == AddResult::Added)
            m_libraryChanged = true;
        Tell(this, outcome.message);
        if (outcome.result == AddResult::Faulty)
            break;
    }
    LoadThumbnails(bookFolder);
}

void frmManagePictures::DeletePictures()
{
    if (Tell(this, m_grid->SelectedCount() == 0 ? QStringLiteral("Please select at least one picture to delete.")
                                                 : QString()))
        return;
    const QString book = SelectedBook();
    if (Tell(this, PictureDeletionRefusal(book)))
        return;
    if (!Confirm(this, QStringLiteral("Are you sure you wish to delete the selected picture(s)?")))
        return;
    for (const QString &fileName : m_grid->SelectedNames()) {
        const Outcome outcome = DeletePicture(m_programFolder, book, fileName, m_openPicture);
        if (outcome.done) {
            m_libraryChanged = true;
            m_grid->RemoveName(fileName);
        }
        if (Tell(this, outcome.message))
            return;
    }
}

void frmManagePictures::ImportPack()
{
    const QString book = ImportPicturePackInteractively(this, m_programFolder, m_chooser);
    if (book.isEmpty())
        return;
    m_libraryChanged = true;
    m_books->AddItem(book);
}

void frmManagePictures::CreatePack()
{
    frmPicturePack pack(this, m_chooser);
    pack.exec();
}
