#pragma once

#include <QString>
#include <QStringList>

// The rules of the grown-ups' book and picture management, apart from the
// window that asks and tells: each routine does one step on disk and answers
// with what happened and, when the grown-up must be told, the message.
namespace BookManagement {

// The book the program cannot work without; it cannot be deleted and its
// pictures can be neither added to nor deleted. Compared exactly.
inline constexpr char kDefaultBook[] = "Velmora";

// Not empty and free of \ / : * ? " < > |
bool IsValidBookTitle(const QString &title);

// True when `path` names the picture open in the colouring window, compared
// the way the library compares names (without regard to letter case).
bool IsOpenPicture(const QString &path, const QString &openPicture);

struct Outcome {
    bool done = false;  // the step happened
    QString message;    // what to tell the grown-up; empty for nothing
};

// Creates books/{title} from the typed answer (trimmed). An empty answer does
// nothing and says nothing. `title` receives the trimmed title on success.
Outcome CreateBook(const QString &programFolder, const QString &answer, QString &title);

// Why the book cannot be deleted before even asking (default book, last book); empty when it can.
QString BookDeletionRefusal(const QString &bookName, int bookCount);

// Why the book cannot be deleted because the open picture lies in it; empty otherwise.
QString OpenPictureRefusal(const QString &programFolder, const QString &bookName, const QString &openPicture);

// Deletes the book's folder and then its coloured pictures. `done` once the book
// folder is gone; a message when either folder could not be removed.
Outcome DeleteBook(const QString &programFolder, const QString &bookName);

// Why pictures cannot be added to the book; empty when they can.
QString AddingRefusal(const QString &bookName);

// The source folder chosen is the book's own folder.
bool IsSameFolder(const QString &sourceFolder, const QString &bookFolder);

enum class AddResult { Added, AlreadyThere, Faulty, NotBlackAndWhite, CopyFailed };

struct AddOutcome {
    AddResult result = AddResult::Added;
    QString message;
};

// Adds one picture to a book: refused when the book holds that name already
// (in any letter case), the file is not a picture, or it is not pure black and white.
AddOutcome AddPicture(const QString &programFolder, const QString &bookName, const QString &sourceFolder,
                      const QString &fileName);

// Why pictures of the book cannot be deleted; empty when they can.
QString PictureDeletionRefusal(const QString &bookName);

// Deletes one picture, its thumbnail, and its coloured version with that one's
// thumbnail. Refused for the open picture. `done` once the picture is gone;
// a message when the coloured version could not be removed.
Outcome DeletePicture(const QString &programFolder, const QString &bookName, const QString &fileName,
                      const QString &openPicture);

} // namespace BookManagement
