#include "library/book_management.h"

#include <QDir>
#include <QFileInfo>

#include "core/case_insensitive_path.h"
#include "image/picture_reader.h"
#include "library/black_and_white.h"
#include "library/library_files.h"
#include "library/library_layout.h"
#include "library/thumbnail_file.h"

namespace BookManagement {

namespace {

QString BookFolder(const QString &programFolder, const QString &bookName)
{
    return LibraryLayout::BooksFolder(programFolder) + QLatin1Char('/') + bookName;
}

bool SameName(const QString &a, const QString &b)
{
    return QDir::cleanPath(a).compare(QDir::cleanPath(b), Qt::CaseInsensitive) == 0;
}

QString CannotRemoveFile(const QString &path)
{
    return QStringLiteral("The file '%1' could not be removed. Please make sure it exists and that it is not "
                          "write protected.")
        .arg(path);
}

} // namespace

bool IsValidBookTitle(const QString &title)
{
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    if (title.isEmpty())
        return false;
    for (const QChar c : title) {
        if (forbidden.contains(c))
            return false;
    }
    return true;
}

bool IsOpenPicture(const QString &path, const QString &openPicture)
{
    return !openPicture.isEmpty() && SameName(path, openPicture);
}

Outcome CreateBook(const QString &programFolder, const QString &answer, QString &title)
{
    const QString trimmed = answer.trimmed();
    if (trimmed.isEmpty())
        return {};
    const QString booksFolder = LibraryLayout::BooksFolder(programFolder);
    const QString creationMessage =
        QStringLiteral("The book could not be created. Please make sure that the path '%1/books/' is not write "
                       "protected and that you have not used the following characters in the book title "
                       "\\ /:*?\"<>|")
            .arg(programFolder);
    // "." and ".." are no folder names of their own.
    if (!IsValidBookTitle(trimmed) || trimmed == QLatin1String(".") || trimmed == QLatin1String(".."))
        return {false, creationMessage};
    if (QFileInfo::exists(FindIgnoringCase(booksFolder, trimmed)))
        return {false, QStringLiteral("A book by this name already exists. Please select another name.")};
    if (!QDir().mkpath(booksFolder + QLatin1Char('/') + trimmed))
        return {false, creationMessage};
    title = trimmed;
    return {true, {}};
}

QString BookDeletionRefusal(const QString &bookName, int bookCount)
{
    if (bookName == QLatin1String(kDefaultBook))
        return QStringLiteral("This book cannot be removed because it is required for Velmora to work correctly.");
    if (bookCount == 1)
        return QStringLiteral("Velmora requires at least one book to run. As this is the last book, you must create "
                              "another picture book before you are able to remove this one.");
    return {};
}

QString OpenPictureRefusal(const QString &programFolder, const QString &bookName, const QString &openPicture)
{
    const QString folder = BookFolder(programFolder, bookName);
    if (openPicture.isEmpty() || !openPicture.contains(QLatin1Char('/')) || !SameName(FolderOf(openPicture), folder))
        return {};
    return QStringLiteral("The book '%1' cannot be removed because the picture that is currently open in Velmora is "
                          "within this book.")
        .arg(folder);
}

Outcome DeleteBook(const QString &programFolder, const QString &bookName)
{
    const QString folder = BookFolder(programFolder, bookName);
    if (!DeleteFolderIfPresent(folder)) {
        return {false, QStringLiteral("There was a problem removing the book. Please make sure that the path '%1' is "
                                      "not write protected and that it is not currently in use.")
                           .arg(folder)};
    }
    const QString coloured = LibraryLayout::ColouredFolderOf(programFolder, bookName);
    if (QFileInfo(coloured).isDir() && !DeleteFolderIfPresent(coloured)) {
        return {true, QStringLiteral("There was a problem removing the colored pictures. Please make sure that the "
                                     "path '%1' is not write protected and that it is not currently in use.")
                          .arg(coloured)};
    }
    return {true, {}};
}

QString AddingRefusal(const QString &bookName)
{
    if (bookName == QLatin1String(kDefaultBook))
        return QStringLiteral("Pictures cannot be added to this book. Please select another book to add pictures to.");
    return {};
}

bool IsSameFolder(const QString &sourceFolder, const QString &bookFolder)
{
    const QFileInfo source(sourceFolder);
    const QFileInfo book(bookFolder);
    if (source.exists() && book.exists())
        return source.canonicalFilePath() == book.canonicalFilePath();
    return SameName(sourceFolder, bookFolder);
}

AddOutcome AddPicture(const QString &programFolder, const QString &bookName, const QString &sourceFolder,
                      const QString &fileName)
{
    const QString bookFolder = BookFolder(programFolder, bookName);
    if (QFileInfo::exists(FindIgnoringCase(bookFolder, fileName))) {
        return {AddResult::AlreadyThere,
                QStringLiteral("A picture by this name already exists within the book '%1' . Please rename the "
                               "picture before you try to add it.")
                    .arg(fileName)};
    }
    const QString source = sourceFolder + QLatin1Char('/') + fileName;
    const PictureRead picture = ReadPicture(source);
    if (!picture.ok()) {
        return {AddResult::Faulty,
                QStringLiteral("The file '%1' is faulty. Not all pictures you selected may have been added.")
                    .arg(fileName)};
    }
    if (!IsBlackAndWhite(picture.image)) {
        return {AddResult::NotBlackAndWhite,
                QStringLiteral("Could not add the file '%1' because it is not pure Black and White.").arg(fileName)};
    }
    if (!CopyFileOver(source, bookFolder + QLatin1Char('/') + fileName)) {
        return {AddResult::CopyFailed, QStringLiteral("Could not add the file '%1'. Please make sure that the folder "
                                                      "'%2/books/%3' is not write protected.")
                                           .arg(fileName, programFolder, bookName)};
    }
    return {};
}

QString PictureDeletionRefusal(const QString &bookName)
{
    if (bookName == QLatin1String(kDefaultBook))
        return QStringLiteral("The pictures in this book cannot be removed because they are required for Velmora to "
                              "work correctly.");
    return {};
}

Outcome DeletePicture(const QString &programFolder, const QString &bookName, const QString &fileName,
                      const QString &openPicture)
{
    const QString file = BookFolder(programFolder, bookName) + QLatin1Char('/') + fileName;
    if (IsOpenPicture(file, openPicture)) {
        return {false, QStringLiteral("The file '%1' could not be removed because the file is currently open in "
                                      "Velmora. Please close it first by opening another picture.")
                           .arg(file)};
    }
    if (!DeleteFileIfPresent(file))
        return {false, CannotRemoveFile(file)};
    DeleteFileIfPresent(ThumbnailPathOf(file));
    const QString coloured = LibraryLayout::ColouredPictureOf(programFolder, bookName, fileName);
    if (QFileInfo::exists(coloured) && !LibraryLayout::DeleteColouredPicture(coloured))
        return {true, CannotRemoveFile(coloured)};
    return {true, {}};
}

} // namespace BookManagement
