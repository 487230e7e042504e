// The management window driven as a grown-up would: books created and deleted,
// pictures added and deleted, with every refusal seen in the message window.

#include <QApplication>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "tests/support/library_fixture.h"
#include "tests/support/modal.h"
#include "controls/combo.h"
#include "controls/file_chooser.h"
#include "controls/hyperlink.h"
#include "windows/manage/frm_manage_pictures.h"
#include "windows/manage/thumbnail_grid.h"
#include "windows/parental/frm_parent_message.h"

namespace {

// Answers every file dialog with the files it is given.
class FakeChooser : public FileChooser {
public:
    QStringList files;
    int shown = 0;
    FileDialogAnswer Choose(QWidget *, const FileDialogRequest &) override
    {
        ++shown;
        return files.isEmpty() ? FileDialogAnswer{} : FileDialogAnswer{1, files, 1, 0, 0};
    }
};

QString MessageText(frmParentMessage *window)
{
    QString text;
    for (QLabel *label : window->findChildren<QLabel *>())
        text += label->text();
    return text;
}

} // namespace

class TestManagePictures : public QObject {
    Q_OBJECT

private:
    LibraryFixture *m_library = nullptr;
    FakeChooser m_chooser;
    QStringList m_messages;

    bool Exists(const QString &relative) const { return QFileInfo::exists(m_library->path(relative)); }

    // Every message window from now on: its text kept, then Continue, or Cancel
    // for the ones listed.
    void AnswerMessages(int count, QList<int> cancelAt = {})
    {
        for (int i = 0; i < count; ++i) {
            WhenModal<frmParentMessage>([this, i, cancelAt](frmParentMessage *window) {
                m_messages << MessageText(window);
                (cancelAt.contains(i) ? window->CancelLink() : window->ContinueLink())->Click();
            });
        }
    }

    // Clicks the link only after the answers before it are armed; messages show
    // one after another, so each waiting answer takes the next window.
    static void Click(frmManagePictures &window, const char *key)
    {
        emit window.Link(QString::fromLatin1(key))->Click();
    }

    static QStringList BookList(frmManagePictures &window)
    {
        QStringList books;
        for (int i = 0; i < window.Books()->ListCount(); ++i)
            books << window.Books()->List(i);
        return books;
    }

private Q_SLOTS:
    void init()
    {
        m_library = new LibraryFixture;
        m_library->AddPicture(QStringLiteral("Velmora"), QStringLiteral("cat.bmp"));
        m_library->AddPicture(QStringLiteral("animals"), QStringLiteral("dog.bmp"));
        m_library->AddPicture(QStringLiteral("animals"), QStringLiteral("owl.bmp"));
        m_library->AddPicture(QStringLiteral("Ocean"), QStringLiteral("fish.bmp"));
        m_chooser = FakeChooser();
        m_messages.clear();
    }
    void cleanup()
    {
        CancelPendingModalAnswers();
        modal_detail::Answered().clear();
        delete m_library;
    }

    void opensOnTheFirstBook()
    {
        frmManagePictures window(m_library->root(), {}, nullptr, &m_chooser);
        QCOMPARE(window.windowTitle(), QStringLiteral("Manage pictures"));
        QCOMPARE(BookList(window), (QStringList{"animals", "Ocean", "Velmora"}));
        QCOMPARE(window.Books()->ListIndex(), QStringLiteral("0"));
        QCOMPARE(window.Grid()->Names(), (QStringList{"dog.bmp", "owl.bmp"}));
        window.Books()->SetListIndex(QStringLiteral("1"));
        QCOMPARE(window.Grid()->Names(), QStringList{"fish.bmp"});
        QVERIFY(Exists(QStringLiteral("books/Ocean/fish.bmp.vlm"))); // the thumbnail cache is shared
    }

    void creatingABook()
    {
        frmManagePictures window(m_library->root(), {}, nullptr, &m_chooser);
        const QStringList answers = {QStringLiteral("   "), QStringLiteral("OCEAN"), QStringLiteral(" Farm Yard ")};
        for (const QString &answer : answers) {
            WhenModal<QInputDialog>([answer](QInputDialog *box) {
                QCOMPARE(box->windowTitle(), QStringLiteral("Book title"));
                QCOMPARE(box->labelText(), QStringLiteral("Please enter a title for the new book."));
                box->setTextValue(answer);
                box->accept();
            });
            if (answer == QLatin1String("OCEAN"))
                AnswerMessages(1);
            Click(window, "add book");
        }
        QCOMPARE(m_messages,
                 QStringList{QStringLiteral("A book by this name already exists. Please select another name.")});
        QCOMPARE(BookList(window), (QStringList{"animals", "Ocean", "Velmora", "Farm Yard"}));
        QCOMPARE(window.Books()->ListIndex(), QStringLiteral("3"));
        QVERIFY(window.Grid()->Names().isEmpty());
        QVERIFY(QFileInfo(m_library->path(QStringLiteral("books/Farm Yard"))).isDir());
        QVERIFY(window.LibraryChanged());
    }

    void deletingBooks()
    {
        m_library->AddPictureAt(QStringLiteral("colored pictures/Animals/dog.bmp.jpg"));
        const QString open = m_library->path(QStringLiteral("books/Animals/owl.bmp")); // the folder is "animals"
        {
            frmManagePictures window(m_library->root(), open, nullptr, &m_chooser);
            // The default book, then the open picture's book after the confirmation.
            window.Books()->SetListIndex(QStringLiteral("2"));
            AnswerMessages(1);
            Click(window, "remove book");
            window.Books()->SetListIndex(QStringLiteral("0"));
            AnswerMessages(2);
            Click(window, "remove book");
            QCOMPARE(m_messages.size(), 3);
            QCOMPARE(m_messages[0], QStringLiteral("This book cannot be removed because it is required for Velmora to "
                                                   "work correctly."));
            QVERIFY(m_messages[1].startsWith(QStringLiteral("Are you sure you wish to delete this book?")));
            QVERIFY(m_messages[2].contains(QStringLiteral("is within this book.")));
            QVERIFY(Exists(QStringLiteral("books/animals/dog.bmp")));
            QVERIFY(!window.LibraryChanged());
        }
        m_messages.clear();
        modal_detail::Answered().clear();
        frmManagePictures window(m_library->root(), {}, nullptr, &m_chooser);
        // Cancelled: nothing goes.
        AnswerMessages(1, {0});
        Click(window, "remove book");
        QVERIFY(Exists(QStringLiteral("books/animals/dog.bmp")));
        AnswerMessages(1);
        Click(window, "remove book");
        QCOMPARE(m_messages.size(), 2);
        QVERIFY(!Exists(QStringLiteral("books/animals")));
        QVERIFY(!Exists(QStringLiteral("colored pictures/Animals")));
        QCOMPARE(BookList(window), (QStringList{"Ocean", "Velmora"}));
        QCOMPARE(window.Books()->ListIndex(), QStringLiteral("0"));
        QCOMPARE(window.Grid()->Names(), QStringList{"fish.bmp"});
        // Ocean goes too; the default book then stands alone and is the last book.
        AnswerMessages(1);
        Click(window, "remove book");
        QCOMPARE(BookList(window), QStringList{"Velmora"});
        m_messages.clear();
        AnswerMessages(1);
        Click(window, "remove book");
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_messages[0].startsWith(QStringLiteral("This book cannot be removed")));
    }

    void theLastBookStays()
    {
        LibraryFixture single;
        single.AddPicture(QStringLiteral("Animals"), QStringLiteral("dog.bmp"));
        frmManagePictures window(single.root(), {}, nullptr, &m_chooser);
        AnswerMessages(1);
        Click(window, "remove book");
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_messages[0].startsWith(QStringLiteral("Velmora requires at least one book to run.")));
        QVERIFY(QFileInfo::exists(single.path(QStringLiteral("books/Animals/dog.bmp"))));
    }

    void addingPictures()
    {
        // Three chosen, the second already in the book: the first and third are added.
        m_library->AddPictureAt(QStringLiteral("source/bird.bmp"));
        m_library->AddPictureAt(QStringLiteral("source/dog.bmp"));
        m_library->AddPictureAt(QStringLiteral("source/zebra.bmp"));
        m_library->AddPictureAt(QStringLiteral("source/grey.bmp"), QSize(30, 20), QColor(254, 254, 254));
        m_library->WriteBytes(QStringLiteral("source/broken.bmp"), "BM broken");
        m_library->AddPictureAt(QStringLiteral("source/late.bmp"));
        const QString source = m_library->path(QStringLiteral("source/"));
        frmManagePictures window(m_library->root(), {}, nullptr, &m_chooser);

        m_chooser.files = {source + "bird.bmp", source + "dog.bmp", source + "zebra.bmp"};
        AnswerMessages(1);
        Click(window, "add pictures");
        QCOMPARE(m_messages, QStringList{QStringLiteral("A picture by this name already exists within the book "
                                                        "'dog.bmp' . Please rename the picture before you try to add "
                                                        "it.")});
        QCOMPARE(window.Grid()->Names(), (QStringList{"bird.bmp", "dog.bmp", "owl.bmp", "zebra.bmp"}));

        // Not black and white: refused, the others go on; a faulty file ends the action.
        m_messages.clear();
        m_chooser.files = {source + "grey.bmp", source + "broken.bmp", source + "late.bmp"};
        AnswerMessages(2);
        Click(window, "add pictures");
        QCOMPARE(m_messages, (QStringList{
                                 QStringLiteral("Could not add the file 'grey.bmp' because it is not pure Black and White."),
                                 QStringLiteral("The file 'broken.bmp' is faulty. Not all pictures you selected may have "
                                                "been added."),
                             }));
        QVERIFY(!Exists(QStringLiteral("books/animals/late.bmp")));

        // From the book into itself, and into the default book.
        m_messages.clear();
        m_chooser.files = {m_library->path(QStringLiteral("books/animals/dog.bmp"))};
        AnswerMessages(1);
        Click(window, "add pictures");
        window.Books()->SetListIndex(QStringLiteral("2"));
        AnswerMessages(1);
        Click(window, "add pictures");
        QCOMPARE(m_messages, (QStringList{
                                 QStringLiteral("You are attempting to copy picture(s) from one book into the same book!"),
                                 QStringLiteral("Pictures cannot be added to this book. Please select another book to "
                                                "add pictures to."),
                             }));
        // A cancelled dialog does nothing.
        window.Books()->SetListIndex(QStringLiteral("1"));
        m_chooser.files.clear();
        Click(window, "add pictures");
        QCOMPARE(window.Grid()->Names(), QStringList{"fish.bmp"});
    }

    void deletingPictures()
    {
        m_library->AddPictureAt(QStringLiteral("colored pictures/animals/dog.bmp.jpg"));
        const QString open = m_library->path(QStringLiteral("books/animals/owl.bmp"));
        frmManagePictures window(m_library->root(), open, nullptr, &m_chooser);

        AnswerMessages(1);
        Click(window, "delete pictures");
        QCOMPARE(m_messages, QStringList{QStringLiteral("Please select at least one picture to delete.")});

        window.Grid()->selectAll();
        AnswerMessages(2);
        Click(window, "delete pictures");
        QCOMPARE(m_messages.size(), 3);
        QCOMPARE(m_messages[1], QStringLiteral("Are you sure you wish to delete the selected picture(s)?"));
        QCOMPARE(m_messages[2], QStringLiteral("The file '%1' could not be removed because the file is currently open "
                                               "in Velmora. Please close it first by opening another picture.")
                                    .arg(open));
        // dog went with its coloured copy; owl, open, stays.
        QVERIFY(!Exists(QStringLiteral("books/animals/dog.bmp")));
        QVERIFY(!Exists(QStringLiteral("colored pictures/animals/dog.bmp.jpg")));
        QCOMPARE(window.Grid()->Names(), QStringList{"owl.bmp"});
        QVERIFY(window.LibraryChanged());

        // The default book's pictures stay.
        m_messages.clear();
        window.Books()->SetListIndex(QStringLiteral("2"));
        window.Grid()->selectAll();
        AnswerMessages(1);
        Click(window, "delete pictures");
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_messages[0].startsWith(QStringLiteral("The pictures in this book cannot be removed")));
        QVERIFY(Exists(QStringLiteral("books/Velmora/cat.bmp")));
    }
};

QTEST_MAIN(TestManagePictures)
#include "test_manage_pictures.moc"
