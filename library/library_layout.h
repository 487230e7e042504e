#pragma once

#include <QString>
#include <QStringList>

// Where the library's folders and files live under the program folder.
// Library names are matched without regard to letter case, so that a book
// folder "animals" and its title "Animals" reach one coloured folder on every
// file system; a name that does not exist yet keeps the spelling given here.
namespace LibraryLayout {

inline constexpr char kBooks[] = "books";
inline constexpr char kOwnPictures[] = "own pictures";
inline constexpr char kColouredPictures[] = "colored pictures";
inline constexpr char kThumbnailSuffix[] = ".vlm";
inline constexpr char kColouredSuffix[] = ".jpg";
// Beside each coloured JPEG, a lossless copy of the same pixels, which no
// listing shows: {coloured}.lossless
inline constexpr char kLosslessSuffix[] = ".lossless";
// A pack is unpacked into books/{prefix}XXXXXX and renamed into place once
// complete, so a killed import never shows as a half book. Such folders are
// never listed, and the next load or import removes them.
inline constexpr char kUnfinishedImportPrefix[] = ".velmora-import-";

// programFolder/books
QString BooksFolder(const QString &programFolder);
// programFolder/books/own pictures, whatever its letter case on disk.
QString OwnPicturesFolder(const QString &programFolder);
// programFolder/colored pictures
QString ColouredPicturesFolder(const QString &programFolder);
// The coloured folder of a book, addressed by its folder name or its title.
QString ColouredFolderOf(const QString &programFolder, const QString &bookNameOrTitle);
// The coloured version of picture `fileName` of that book: .../{fileName}.jpg
QString ColouredPictureOf(const QString &programFolder, const QString &bookNameOrTitle, const QString &fileName);

// The lossless copy that belongs beside a coloured picture.
QString LosslessCopyOf(const QString &colouredPicture);
// Deletes a coloured picture with its thumbnail and its lossless copy; false
// (the rest left alone) when the picture itself could not be deleted.
bool DeleteColouredPicture(const QString &colouredPicture);

// True for the file names a book lists as pictures: *.gif, *.bmp, *.jpg in any letter case.
bool IsPictureFileName(const QString &fileName);
// Sorts names without regard to letter case, as the library's listings are.
void SortIgnoringCase(QStringList &names);
// The sub-folders of `folder`, sorted by name without regard to letter case;
// unfinished imports are left out.
QStringList ListFolders(const QString &folder);
// Deletes the unfinished imports a killed import left in `booksFolder`.
void RemoveUnfinishedImports(const QString &booksFolder);
// The picture files of a book folder, sorted the same way.
QStringList ListPictures(const QString &folder);

// The own picture a new blank page is saved as: own_{n}.bmp with the smallest
// free n >= 0, in `ownPicturesFolder`.
QString NextOwnPicturePath(const QString &ownPicturesFolder);

} // namespace LibraryLayout

// Deletes every thumbnail file in `folder` whose picture (its name without
// ".vlm") no longer exists. A missing folder is left alone.
void RemoveOrphanThumbnails(const QString &folder);
