// The book and picture management rules, on a temporary program folder.

#include <QFile>
#include <QFileInfo>
#include <QTest>

#include "tests/support/library_fixture.h"
#include "library/black_and_white.h"
#include "library/book_management.h"

using namespace BookManagement;

class TestBookManagement : public QObject {
    Q_OBJECT

private:
    LibraryFixture *m_library = nullptr;
    QString root() const { return m_library->root(); }
    bool Exists(const QString &relative) const { return QFileInfo::exists(m_library->path(relative)); }

    // A pure outline picture and variations of it, saved as BMP in `relative`.
    QString SaveOutline(const QString &relative, QRgb oddPixel = qRgb(0, 0, 0)) const
    {
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::white);
        for (int x = 0; x < 40; ++x)
            picture.setPixel(x, 15, qRgb(0, 0, 0));
        picture.setPixel(39, 29, oddPixel);
        const QString path = m_library->path(relative);
        QDir().mkpath(QFileInfo(path).path());
        picture.save(path, "BMP");
        return path;
    }

private Q_SLOTS:
    void init() { m_library = new LibraryFixture; }
    void cleanup() { delete m_library; }

    void bookTitles_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("valid");
        QTest::newRow("plain") << "Farm Animals" << true;
        QTest::newRow("accents") << "Café" << true;
        QTest::newRow("empty") << "" << false;
        for (const char c : QByteArray("\\/:*?\"<>|"))
            QTest::newRow(qPrintable(QStringLiteral("with %1").arg(QChar(c)))) << QStringLiteral("a%1b").arg(QChar(c))
                                                                                << false;
    }
    void bookTitles()
    {
        QFETCH(QString, title);
        QFETCH(bool, valid);
        QCOMPARE(IsValidBookTitle(title), valid);
    }

    void creatingBooks()
    {
        m_library->AddEmptyBook(QStringLiteral("Animals"));
        QString title;
        // Only spaces: nothing happens and nothing is said.
        Outcome outcome = CreateBook(root(), QStringLiteral("   "), title);
        QVERIFY(!outcome.done);
        QVERIFY(outcome.message.isEmpty());
        outcome = CreateBook(root(), QStringLiteral("a/b"), title);
        QVERIFY(!outcome.done);
        QVERIFY(outcome.message.startsWith(QStringLiteral("The book could not be created. Please make sure that the "
                                                          "path '%1/books/' is not write protected")
                                               .arg(root())));
        QVERIFY(outcome.message.endsWith(QStringLiteral("book title \\ /:*?\"<>|")));
        QVERIFY(!Exists(QStringLiteral("books/a")));
        // The library tells names apart without regard to letter case.
        outcome = CreateBook(root(), QStringLiteral(" ANIMALS "), title);
        QCOMPARE(outcome.message, QStringLiteral("A book by this name already exists. Please select another name."));
        outcome = CreateBook(root(), QStringLiteral("  Ocean Life "), title);
        QVERIFY(outcome.done);
        QCOMPARE(title, QStringLiteral("Ocean Life"));
        QVERIFY(QFileInfo(m_library->path(QStringLiteral("books/Ocean Life"))).isDir());
        QVERIFY(!CreateBook(root(), QStringLiteral(".."), title).done);
    }

    void bookDeletionRules()
    {
        QCOMPARE(BookDeletionRefusal(QStringLiteral("Velmora"), 3),
                 QStringLiteral("This book cannot be removed because it is required for Velmora to work correctly."));
        QVERIFY(BookDeletionRefusal(QStringLiteral("Animals"), 1).startsWith(
            QStringLiteral("Velmora requires at least one book to run.")));
        // The default book and one other: the other can go. A book merely called
        // "velmora" is not the default book.
        QVERIFY(BookDeletionRefusal(QStringLiteral("Animals"), 2).isEmpty());
        QVERIFY(BookDeletionRefusal(QStringLiteral("velmora"), 2).isEmpty());

        const QString open = m_library->AddPicture(QStringLiteral("Animals"), QStringLiteral("cat.bmp"));
        QString openInOtherCase = open;
        openInOtherCase.replace(QStringLiteral("/Animals/"), QStringLiteral("/animals/"));
        QCOMPARE(OpenPictureRefusal(root(), QStringLiteral("Animals"), openInOtherCase),
                 QStringLiteral("The book '%1/books/Animals' cannot be removed because the picture that is currently "
                                "open in Velmora is within this book.")
                     .arg(root()));
        QVERIFY(OpenPictureRefusal(root(), QStringLiteral("Ani"), open).isEmpty());
        QVERIFY(OpenPictureRefusal(root(), QStringLiteral("Animals"), QString()).isEmpty());
    }

    void deletingABookTakesItsColouredPictures()
    {
        m_library->AddPicture(QStringLiteral("Animals"), QStringLiteral("cat.bmp"));
        m_library->AddPictureAt(QStringLiteral("colored pictures/animals/cat.bmp.jpg"));
        m_library->AddPictureAt(QStringLiteral("colored pictures/Ocean/fish.bmp.jpg"));
        const Outcome outcome = DeleteBook(root(), QStringLiteral("Animals"));
        QVERIFY(outcome.done);
        QVERIFY(outcome.message.isEmpty());
        QVERIFY(!Exists(QStringLiteral("books/Animals")));
        QVERIFY(!Exists(QStringLiteral("colored pictures/animals")));
        QVERIFY(Exists(QStringLiteral("colored pictures/Ocean/fish.bmp.jpg")));
    }

    void aBookWithAReadOnlyPictureStaysWhole()
    {
        const QString picture = m_library->AddPicture(QStringLiteral("Animals"), QStringLiteral("cat.bmp"));
        m_library->AddPicture(QStringLiteral("Animals"), QStringLiteral("dog.bmp"));
        QFile::setPermissions(picture, QFile::ReadOwner);
        const Outcome outcome = DeleteBook(root(), QStringLiteral("Animals"));
        QVERIFY(!outcome.done);
        QCOMPARE(outcome.message, QStringLiteral("There was a problem removing the book. Please make sure that the "
                                                 "path '%1/books/Animals' is not write protected and that it is not "
                                                 "currently in use.")
                                      .arg(root()));
        QVERIFY(Exists(QStringLiteral("books/Animals/dog.bmp")));
        QFile::setPermissions(picture, QFile::ReadOwner | QFile::WriteOwner);
    }

    void blackAndWhite_data()
    {
        QTest::addColumn<QRgb>("oddPixel");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("pure") << qRgb(0, 0, 0) << true;
        QTest::newRow("grey 254") << qRgb(254, 254, 254) << false;
        QTest::newRow("near black") << qRgb(1, 0, 0) << false;
        QTest::newRow("blue") << qRgb(0, 0, 255) << false;
        QTest::newRow("anti-aliased edge") << qRgb(128, 128, 128) << false;
    }
    void blackAndWhite()
    {
        QFETCH(QRgb, oddPixel);
        QFETCH(bool, accepted);
        QImage picture(37, 5, QImage::Format_RGB32); // an odd width: the last pixels of a row count too
        picture.fill(Qt::white);
        picture.setPixel(36, 4, oddPixel);
        QCOMPARE(IsBlackAndWhite(picture), accepted);
        QCOMPARE(IsBlackAndWhite(picture.convertToFormat(QImage::Format_RGB888)), accepted);
        QVERIFY(!IsBlackAndWhite(QImage()));
    }

    void addingPictures()
    {
        m_library->AddEmptyBook(QStringLiteral("Animals"));
        m_library->AddPicture(QStringLiteral("Animals"), QStringLiteral("Dog.bmp"));
        SaveOutline(QStringLiteral("source/cat.bmp"));
        SaveOutline(QStringLiteral("source/dog.bmp"));
        SaveOutline(QStringLiteral("source/grey.bmp"), qRgb(254, 254, 254));
        m_library->WriteBytes(QStringLiteral("source/broken.bmp"), QByteArray("BM not really"));
        const QString source = m_library->path(QStringLiteral("source"));

        QCOMPARE(AddingRefusal(QStringLiteral("Velmora")),
                 QStringLiteral("Pictures cannot be added to this book. Please select another book to add pictures to."));
        QVERIFY(AddingRefusal(QStringLiteral("Animals")).isEmpty());
        QVERIFY(IsSameFolder(m_library->path(QStringLiteral("books/Animals/")),
                             m_library->path(QStringLiteral("books/Animals"))));
        QVERIFY(!IsSameFolder(source, m_library->path(QStringLiteral("books/Animals"))));

        AddOutcome outcome = AddPicture(root(), QStringLiteral("Animals"), source, QStringLiteral("cat.bmp"));
        QCOMPARE(outcome.result, AddResult::Added);
        QCOMPARE(m_library->ReadBytes(QStringLiteral("books/Animals/cat.bmp")),
                 m_library->ReadBytes(QStringLiteral("source/cat.bmp")));

        outcome = AddPicture(root(), QStringLiteral("Animals"), source, QStringLiteral("dog.bmp"));
        QCOMPARE(outcome.result, AddResult::AlreadyThere);
        QCOMPARE(outcome.message, QStringLiteral("A picture by this name already exists within the book 'dog.bmp' . "
                                                 "Please rename the picture before you try to add it."));

        outcome = AddPicture(root(), QStringLiteral("Animals"), source, QStringLiteral("grey.bmp"));
        QCOMPARE(outcome.result, AddResult::NotBlackAndWhite);
        QCOMPARE(outcome.message,
                 QStringLiteral("Could not add the file 'grey.bmp' because it is not pure Black and White."));

        outcome = AddPicture(root(), QStringLiteral("Animals"), source, QStringLiteral("broken.bmp"));
        QCOMPARE(outcome.result, AddResult::Faulty);
        QCOMPARE(outcome.message, QStringLiteral("The file 'broken.bmp' is faulty. Not all pictures you selected may "
                                                 "have been added."));
        QVERIFY(!Exists(QStringLiteral("books/Animals/grey.bmp")));
        QVERIFY(!Exists(QStringLiteral("books/Animals/broken.bmp")));
    }

    void deletingPictures()
    {
        const QString open = m_library->AddPicture(QStringLiteral("Animals"), QStringLiteral("cat.bmp"));
        m_library->AddPicture(QStringLiteral("Animals"), QStringLiteral("dog.bmp"));
        m_library->AddPicture(QStringLiteral("Animals"), QStringLiteral("owl.bmp"));
        m_library->WriteBytes(QStringLiteral("books/Animals/dog.bmp.vlm"), "thumbnail");
        m_library->WriteBytes(QStringLiteral("books/Animals/owl.bmp.vlm"), "thumbnail");
        m_library->AddPictureAt(QStringLiteral("colored pictures/animals/owl.bmp.jpg"));
        m_library->WriteBytes(QStringLiteral("colored pictures/animals/owl.bmp.jpg.vlm"), "thumbnail");
        m_library->WriteBytes(QStringLiteral("colored pictures/animals/owl.bmp.jpg.lossless"), "copy");

        QCOMPARE(PictureDeletionRefusal(QStringLiteral("Velmora")),
                 QStringLiteral("The pictures in this book cannot be removed because they are required for Velmora "
                                "to work correctly."));
        Outcome outcome = DeletePicture(root(), QStringLiteral("Animals"), QStringLiteral("cat.bmp"), open);
        QVERIFY(!outcome.done);
        QCOMPARE(outcome.message, QStringLiteral("The file '%1' could not be removed because the file is currently "
                                                 "open in Velmora. Please close it first by opening another picture.")
                                      .arg(open));
        QVERIFY(Exists(QStringLiteral("books/Animals/cat.bmp")));

        // Never coloured: the picture and its thumbnail go, nothing else.
        outcome = DeletePicture(root(), QStringLiteral("Animals"), QStringLiteral("dog.bmp"), open);
        QVERIFY(outcome.done);
        QVERIFY(outcome.message.isEmpty());
        QVERIFY(!Exists(QStringLiteral("books/Animals/dog.bmp")));
        QVERIFY(!Exists(QStringLiteral("books/Animals/dog.bmp.vlm")));

        // Coloured, in a coloured folder spelt differently: both versions, both thumbnails and the lossless copy go.
        outcome = DeletePicture(root(), QStringLiteral("Animals"), QStringLiteral("owl.bmp"), open);
        QVERIFY(outcome.done);
        QVERIFY(!Exists(QStringLiteral("books/Animals/owl.bmp.vlm")));
        QVERIFY(!Exists(QStringLiteral("colored pictures/animals/owl.bmp.jpg")));
        QVERIFY(!Exists(QStringLiteral("colored pictures/animals/owl.bmp.jpg.vlm")));
        QVERIFY(!Exists(QStringLiteral("colored pictures/animals/owl.bmp.jpg.lossless")));

        // Gone already: the removal reports the file.
        outcome = DeletePicture(root(), QStringLiteral("Animals"), QStringLiteral("dog.bmp"), open);
        QVERIFY(!outcome.done);
        QCOMPARE(outcome.message, QStringLiteral("The file '%1/books/Animals/dog.bmp' could not be removed. Please "
                                                 "make sure it exists and that it is not write protected.")
                                      .arg(root()));
    }
};

QTEST_GUILESS_MAIN(TestBookManagement)
#include "test_book_management.moc"
