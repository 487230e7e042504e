// The coloured-pictures window driven as a grown-up would: books chosen, pictures
// deleted, and every refusal seen in the message window.

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTest>

#include "tests/support/file_faults.h"
#include "tests/support/library_fixture.h"
#include "tests/support/modal.h"
#include "controls/combo.h"
#include "controls/hyperlink.h"
#include "library/book_plan.h"
#include "windows/manage/frm_colored_pictures.h"
#include "windows/manage/thumbnail_grid.h"
#include "windows/parental/frm_parent_message.h"

namespace {

enum Link { Close = 0, Delete = 1 };

const QString kConfirm = QStringLiteral("Are you sure you wish to delete the selected picture(s)?");

QStringList BookList(frmColoredPictures &window)
{
    QStringList books;
    for (int i = 0; i < window.Books()->ListCount(); ++i)
        books << window.Books()->List(i);
    return books;
}

void SelectAll(frmColoredPictures &window)
{
    window.Grid()->selectAll();
}

void Select(frmColoredPictures &window, const QStringList &names)
{
    window.Grid()->clearSelection();
    const QStringList shown = window.Grid()->Names();
    for (int i = 0; i < shown.size(); ++i)
        window.Grid()->item(i)->setSelected(names.contains(shown[i]));
}

} // namespace

class TestColoredPictures : public QObject {
    Q_OBJECT

private:
    LibraryFixture *m_library = nullptr;
    QStringList m_messages;

    QString Coloured(const QString &book, const QString &name) const
    {
        return QStringLiteral("colored pictures/") + book + QLatin1Char('/') + name;
    }
    void AddColoured(const QString &book, const QString &name) const
    {
        m_library->AddPictureAt(Coloured(book, name), QSize(80, 60), QColor(0xFF, 0xC0, 0x40));
    }
    bool Exists(const QString &relative) const { return QFileInfo::exists(m_library->path(relative)); }
    QString Native(const QString &relative) const { return QDir::toNativeSeparators(m_library->path(relative)); }

    // The next `count` message windows: their texts kept, then Continue, or
    // Cancel for the ones listed.
    void AnswerMessages(int count, QList<int> cancelAt = {})
    {
        for (int i = 0; i < count; ++i) {
            WhenModal<frmParentMessage>([this, i, cancelAt](frmParentMessage *window) {
                QString text;
                for (QLabel *label : window->findChildren<QLabel *>())
                    text += label->text();
                m_messages << text;
                Q_EMIT(cancelAt.contains(i) ? window->CancelLink() : window->ContinueLink())->Click();
            });
        }
    }

    static void ClickLink(frmColoredPictures &window, Link link)
    {
        QTest::mouseClick(window.Link(link), Qt::LeftButton, Qt::NoModifier, window.Link(link)->rect().center());
    }

    // Three books, each with two coloured pictures.
    void AddThreeBooks() const
    {
        for (const char *book : {"Apes", "birds", "Cats"}) {
            AddColoured(QString::fromLatin1(book), QStringLiteral("one.bmp.jpg"));
            AddColoured(QString::fromLatin1(book), QStringLiteral("two.gif.jpg"));
        }
    }

private Q_SLOTS:
    void init()
    {
        m_library = new LibraryFixture;
        m_messages.clear();
    }
    void cleanup()
    {
        CancelPendingModalAnswers();
        delete m_library;
    }

    void loadingListsTheBooksAndShowsTheFirst()
    {
        AddThreeBooks();
        AddColoured(QStringLiteral("Apes"), QStringLiteral("Zebra.bmp.jpg"));
        AddColoured(QStringLiteral("Apes"), QStringLiteral("apple.bmp.jpg"));
        m_library->WriteBytes(Coloured(QStringLiteral("Apes"), QStringLiteral("notes.txt")), "not a picture");
        frmColoredPictures window(m_library->root());
        QCOMPARE(window.windowTitle(), QStringLiteral("Manage colored pictures"));
        QVERIFY(window.isModal());
        QCOMPARE(BookList(window), (QStringList{"Apes", "birds", "Cats"}));
        QCOMPARE(window.Books()->ListIndex(), QStringLiteral("0"));
        QCOMPARE(window.Grid()->Names(), (QStringList{"apple.bmp.jpg", "one.bmp.jpg", "two.gif.jpg", "Zebra.bmp.jpg"}));
        QVERIFY(Exists(Coloured(QStringLiteral("Apes"), QStringLiteral("apple.bmp.jpg.vlm"))));
        QCOMPARE(window.Link(Close)->Tag(), QStringLiteral("close"));
        QCOMPARE(window.Link(Delete)->Tag(), QStringLiteral("delete pictures"));
        QCOMPARE(window.Link(Delete)->Caption(), QStringLiteral("Delete selected picture(s)"));

        window.Books()->SetListIndex(QStringLiteral("2"));
        QCOMPARE(window.Grid()->Names(), (QStringList{"one.bmp.jpg", "two.gif.jpg"}));
        QVERIFY(Exists(Coloured(QStringLiteral("Cats"), QStringLiteral("two.gif.jpg.vlm"))));
    }

    void deletingAllOfABookShowsAnotherThenRemovesIt_data()
    {
        QTest::addColumn<int>("book");
        QTest::addColumn<QString>("shownFirst");
        QTest::addColumn<QStringList>("booksLeft");
        QTest::newRow("the second of three") << 1 << "Apes" << QStringList{"Apes", "Cats"};
        QTest::newRow("the first of three") << 0 << "birds" << QStringList{"birds", "Cats"};
        QTest::newRow("the third of three") << 2 << "birds" << QStringList{"Apes", "birds"};
    }
    void deletingAllOfABookShowsAnotherThenRemovesIt()
    {
        QFETCH(int, book);
        QFETCH(QString, shownFirst);
        AddThreeBooks();
        frmColoredPictures window(m_library->root());
        window.show();
        window.Books()->SetListIndex(QString::number(book));
        const QString emptied = window.Books()->List(book);
        // What each selection shows, and whether the emptied folder was still there then.
        QStringList shown;
        connect(window.Books(), &Combo::Click, &window, [&] {
            shown << window.Books()->List(window.Books()->ListIndex().toInt()) +
                         (Exists(QStringLiteral("colored pictures/") + emptied) ? " (folder there)" : "");
        });
        SelectAll(window);
        AnswerMessages(1);
        ClickLink(window, Delete);
        QCOMPARE(m_messages, QStringList{kConfirm});
        QCOMPARE(shown, QStringList{shownFirst + " (folder there)"});
        QVERIFY(!Exists(QStringLiteral("colored pictures/") + emptied));
        QTEST(BookList(window), "booksLeft");
        QCOMPARE(window.Books()->List(window.Books()->ListIndex().toInt()), shownFirst);
        QCOMPARE(window.Grid()->Names(), (QStringList{"one.bmp.jpg", "two.gif.jpg"}));
        QVERIFY(Exists(Coloured(shownFirst, QStringLiteral("one.bmp.jpg"))));
    }

    void theOnlyBookKeepsItsEmptyFolder()
    {
        AddColoured(QStringLiteral("Apes"), QStringLiteral("one.bmp.jpg"));
        m_library->WriteBytes(Coloured(QStringLiteral("Apes"), QStringLiteral("one.bmp.jpg.lossless")), "copy");
        frmColoredPictures window(m_library->root());
        window.show();
        QCOMPARE(window.Grid()->Names(), QStringList{"one.bmp.jpg"}); // the copy is never listed
        SelectAll(window);
        AnswerMessages(1);
        ClickLink(window, Delete);
        QCOMPARE(window.Grid()->count(), 0);
        QVERIFY(!Exists(Coloured(QStringLiteral("Apes"), QStringLiteral("one.bmp.jpg"))));
        QVERIFY(!Exists(Coloured(QStringLiteral("Apes"), QStringLiteral("one.bmp.jpg.vlm"))));
        QVERIFY(!Exists(Coloured(QStringLiteral("Apes"), QStringLiteral("one.bmp.jpg.lossless"))));
        QVERIFY(QFileInfo(m_library->path(QStringLiteral("colored pictures/Apes"))).isDir());
        QCOMPARE(BookList(window), QStringList{"Apes"});
        QCOMPARE(window.Books()->ListIndex(), QStringLiteral("0"));
        QVERIFY(window.isVisible());
    }

    void anUnreadablePictureIsLeftOutAndKeepsItsFolder()
    {
        AddThreeBooks();
        AddColoured(QStringLiteral("Apes"), QStringLiteral("c.bmp.jpg"));
        m_library->WriteBytes(Coloured(QStringLiteral("Apes"), QStringLiteral("b.bmp.jpg")), "\xFF\xD8 broken");
        frmColoredPictures window(m_library->root());
        window.show();
        QCOMPARE(window.Grid()->Names(), (QStringList{"c.bmp.jpg", "one.bmp.jpg", "two.gif.jpg"}));
        SelectAll(window);
        AnswerMessages(1);
        ClickLink(window, Delete);
        // The grid is empty, but the book still holds a picture: it stays.
        QCOMPARE(window.Grid()->count(), 0);
        QVERIFY(Exists(Coloured(QStringLiteral("Apes"), QStringLiteral("b.bmp.jpg"))));
        QCOMPARE(BookList(window), (QStringList{"Apes", "birds", "Cats"}));
    }

    void aBookOfOtherFilesListsNothingWithoutTheBusyCursor()
    {
        m_library->WriteBytes(Coloured(QStringLiteral("Apes"), QStringLiteral("notes.txt")), "text");
        m_library->AddPictureAt(Coloured(QStringLiteral("Apes"), QStringLiteral("cat.bmp")));
        frmColoredPictures window(m_library->root());
        QCOMPARE(window.Books()->ListIndex(), QStringLiteral("0"));
        QCOMPARE(window.Grid()->count(), 0);
        QVERIFY(!window.Grid()->ShowedBusyCursor());
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QVERIFY(!Exists(Coloured(QStringLiteral("Apes"), QStringLiteral("cat.bmp.vlm"))));

        AddColoured(QStringLiteral("Apes"), QStringLiteral("one.bmp.jpg"));
        window.ListColouredPictures(m_library->path(QStringLiteral("colored pictures/Apes")));
        QVERIFY(window.Grid()->ShowedBusyCursor());
        QVERIFY(QApplication::overrideCursor() == nullptr); // and put back
    }

    void aFileRemovedByOtherMeansStopsTheDeletion()
    {
        for (const char *name : {"a.bmp.jpg", "b.bmp.jpg", "c.bmp.jpg"})
            AddColoured(QStringLiteral("Apes"), QString::fromLatin1(name));
        frmColoredPictures window(m_library->root());
        window.show();
        Select(window, {"a.bmp.jpg", "b.bmp.jpg", "c.bmp.jpg"});
        QVERIFY(QFile::remove(m_library->path(Coloured(QStringLiteral("Apes"), QStringLiteral("b.bmp.jpg")))));
        AnswerMessages(2);
        ClickLink(window, Delete);
        QCOMPARE(m_messages,
                 (QStringList{kConfirm, "The file '" + Native(Coloured("Apes", "b.bmp.jpg")) +
                                            "' could not be removed. Please make sure it exists and that it is "
                                            "not write protected."}));
        QVERIFY(!Exists(Coloured(QStringLiteral("Apes"), QStringLiteral("a.bmp.jpg"))));
        QVERIFY(!Exists(Coloured(QStringLiteral("Apes"), QStringLiteral("a.bmp.jpg.vlm"))));
        QVERIFY(Exists(Coloured(QStringLiteral("Apes"), QStringLiteral("c.bmp.jpg"))));
        QCOMPARE(window.Grid()->Names(), (QStringList{"b.bmp.jpg", "c.bmp.jpg"}));
    }

    void refusalsDeleteNothing_data()
    {
        QTest::addColumn<bool>("select");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("nothing selected") << false << QStringList{"Please select at least one picture to delete."};
        QTest::newRow("confirmation cancelled") << true << QStringList{kConfirm};
    }
    void refusalsDeleteNothing()
    {
        QFETCH(bool, select);
        AddColoured(QStringLiteral("Apes"), QStringLiteral("a.bmp.jpg"));
        AddColoured(QStringLiteral("Birds"), QStringLiteral("b.bmp.jpg"));
        frmColoredPictures window(m_library->root());
        window.show();
        if (select)
            SelectAll(window);
        AnswerMessages(2, {0});
        ClickLink(window, Delete);
        QTRY_COMPARE(m_messages.size(), 1);
        QTest::qWait(100); // no second window follows
        QTEST(m_messages, "messages");
        QVERIFY(Exists(Coloured(QStringLiteral("Apes"), QStringLiteral("a.bmp.jpg"))));
        QCOMPARE(window.Grid()->Names(), QStringList{"a.bmp.jpg"});
        QCOMPARE(BookList(window), (QStringList{"Apes", "Birds"}));
    }

    void aMissingBookFolderIsReported()
    {
        AddColoured(QStringLiteral("Apes"), QStringLiteral("a.bmp.jpg"));
        AddColoured(QStringLiteral("Birds"), QStringLiteral("b.bmp.jpg"));
        frmColoredPictures window(m_library->root());
        window.show();
        QVERIFY(QDir(m_library->path(QStringLiteral("colored pictures/Birds"))).removeRecursively());
        AnswerMessages(1);
        window.Books()->SetListIndex(QStringLiteral("1"));
        QCOMPARE(m_messages, QStringList{"'" + Native(QStringLiteral("colored pictures/Birds")) +
                                         "' could not be found. Please make sure that the directory exists and "
                                         "that it is not write protected."});
        QCOMPARE(window.Grid()->count(), 0); // not the other book's pictures under this name
    }

    void aFolderThatCannotBeRemovedIsReported()
    {
        AddThreeBooks();
        frmColoredPictures window(m_library->root());
        window.show();
        window.Books()->SetListIndex(QStringLiteral("1"));
        // The folder's own entry in its parent is what removing it changes.
        ImmutableGuard locked(m_library->path(QStringLiteral("colored pictures")));
        if (!locked.active())
            QSKIP("chattr +i is not available here");
        SelectAll(window);
        AnswerMessages(2);
        ClickLink(window, Delete);
        QCOMPARE(m_messages.size(), 2);
        QCOMPARE(m_messages[1], "The folder '" + Native(QStringLiteral("colored pictures/birds")) +
                                    "' could not be removed. Please make sure it exists and that it is not write "
                                    "protected.");
        QCOMPARE(BookList(window), (QStringList{"Apes", "birds", "Cats"}));
    }

    void noBookLeavesBothListsEmpty()
    {
        frmColoredPictures window(m_library->root());
        QCOMPARE(window.Books()->ListCount(), 0);
        QCOMPARE(window.Books()->ListIndex(), QStringLiteral("-1"));
        QCOMPARE(window.Grid()->count(), 0);
    }

    void closeLinkClosesTheWindow()
    {
        AddColoured(QStringLiteral("Apes"), QStringLiteral("a.bmp.jpg"));
        frmColoredPictures window(m_library->root());
        window.show();
        ClickLink(window, Close);
        QVERIFY(!window.isVisible());
    }

    void deletingAColouredPictureBringsBackTheOutline()
    {
        m_library->AddPicture(QStringLiteral("Animals"), QStringLiteral("cat.bmp"));
        AddColoured(QStringLiteral("Animals"), QStringLiteral("cat.bmp.jpg"));
        QCOMPARE(PlanBooks(m_library->root()).books.value(0).thumbnailFrom,
                 QStringList{m_library->path(Coloured("Animals", "cat.bmp.jpg"))});
        frmColoredPictures window(m_library->root());
        window.show();
        SelectAll(window);
        AnswerMessages(1);
        ClickLink(window, Delete);
        QCOMPARE(PlanBooks(m_library->root()).books.value(0).thumbnailFrom,
                 QStringList{m_library->path(QStringLiteral("books/Animals/cat.bmp"))});
    }
};

QTEST_MAIN(TestColoredPictures)
#include "test_colored_pictures.moc"
