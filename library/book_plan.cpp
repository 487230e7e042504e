#include "library/book_plan.h"

#include <QDir>
#include <QFileInfo>

#include "core/case_insensitive_path.h"
#include "library/library_files.h"
#include "library/library_layout.h"

namespace {

BookToLoad PlanOneBook(const QString &programFolder, const QString &folder, int percent, bool framed)
{
    BookToLoad book;
    book.folder = folder;
    book.title = ProperCase(FileTitleOf(folder));
    book.percent = percent;
    book.framed = framed;

    RemoveOrphanThumbnails(folder);
    const QString colouredFolder = LibraryLayout::ColouredFolderOf(programFolder, book.title);
    RemoveOrphanThumbnails(colouredFolder);

    // The coloured folder is listed once for the whole book, not once a picture.
    const FolderIgnoringCase coloured(colouredFolder);
    const QString colouredSuffix = QLatin1String(LibraryLayout::kColouredSuffix);
    book.pictures = LibraryLayout::ListPictures(folder);
    for (const QString &name : std::as_const(book.pictures)) {
        const QString colouredPicture = coloured.Find(name + colouredSuffix);
        book.thumbnailFrom << (QFileInfo(colouredPicture).isFile() ? colouredPicture : folder + QLatin1Char('/') + name);
    }
    return book;
}

} // namespace

int LoadingPercent(int index, int count)
{
    return int((double(index) + 1) / double(count) * 100);
}

QString LoadingLine(int percent, const QString &title)
{
    return QStringLiteral("Loading(%1%)... %2.").arg(percent).arg(title);
}

LibraryPlan PlanBooks(const QString &programFolder)
{
    LibraryPlan plan;
    const QString books = LibraryLayout::BooksFolder(programFolder);
    LibraryLayout::RemoveUnfinishedImports(books);
    const QStringList entries = LibraryLayout::ListFolders(books);
    if (!QFileInfo(books).isDir() || entries.isEmpty()) {
        plan.error = QStringLiteral("The books folder %1 is missing or holds no book.").arg(books);
        return plan;
    }

    // The child's own pictures come first; an exact "own pictures" entry is not listed again.
    const QString ownPictures = LibraryLayout::OwnPicturesFolder(programFolder);
    if (QFileInfo(ownPictures).isDir())
        plan.books << PlanOneBook(programFolder, ownPictures, LoadingPercent(0, int(entries.size())), true);
    const QString exactOwnName = QString::fromUtf8(LibraryLayout::kOwnPictures);
    for (int i = 0; i < entries.size(); ++i) {
        if (entries[i] == exactOwnName)
            continue;
        plan.books << PlanOneBook(programFolder, books + QLatin1Char('/') + entries[i],
                                  LoadingPercent(i, int(entries.size())), false);
    }
    return plan;
}
