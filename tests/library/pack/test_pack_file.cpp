#include <QtTest>

#include "library/pack/pack_file.h"
#include "library/pack/pack_names.h"
#include "library/pack/scramble_string.h"
#include "tests/support/pack_fixture.h"

namespace {

QByteArray Codes(std::initializer_list<int> codes)
{
    QByteArray bytes;
    for (int code : codes)
        bytes += char(code);
    return bytes;
}

} // namespace

class TestPackFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void scrambleString_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("mapping");
        QTest::addColumn<QByteArray>("expected"); // Windows-1252 bytes of the result
        QTest::newRow("abc") << "abc" << false << QByteArray("297298299");
        QTest::newRow("abc mapped") << "abc" << true << Codes({149, 156, 154, 149, 156, 155, 149, 156, 156});
        QTest::newRow("marker text") << "<v6>" << false << QByteArray("2603118254262");
        QTest::newRow("empty") << "" << false << QByteArray();
        QTest::newRow("empty mapped") << "" << true << QByteArray();
        QTest::newRow("one digit code") << QString(QChar(7)) << false << QByteArray("17");
        QTest::newRow("euro sign is 128") << QStringLiteral("\u20AC") << false << QByteArray("3128");
        QTest::newRow("e acute is 233") << QStringLiteral("\u00E9") << false << QByteArray("3233");
        QTest::newRow("not in the code page") << QStringLiteral("\u0416") << true << QByteArray(kScrambleFailed);
    }
    void scrambleString()
    {
        QFETCH(QString, text);
        QFETCH(bool, mapping);
        QFETCH(QByteArray, expected);
        QCOMPARE(ToWindows1252(ScrambleString(text, mapping)), expected);
    }

    void markerIsTheThirteenBytes()
    {
        QCOMPARE(PackMarker(), Codes({149, 153, 147, 150, 148, 148, 155, 149, 152, 151, 149, 153, 149}));
    }

    void exampleLayout()
    {
        const QByteArray cat = OutlineBmp(1), dog = OutlineBmp(2);
        QString error;
        const QByteArray pack = BuildPack("Animals", {{"cat.bmp", cat}, {"dog.jpg", dog}}, error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(pack, QByteArray("Animals|cat.bmp|dog.jpg") + PackMarker() + cat + PackMarker() + dog);
        QCOMPARE(pack.count(PackMarker()), 2);

        const QByteArray one = BuildPack("Animals", {{"cat.bmp", cat}}, error);
        QCOMPARE(one, QByteArray("Animals|cat.bmp") + PackMarker() + cat);
    }

    void writeReadWriteGivesTheSameBytes()
    {
        QString error;
        const QList<PackPicture> pictures{{"cat.bmp", OutlineBmp(1)}, {"caf\u00E9.bmp", OutlineBmp(2)}, {"dog.gif", {}}};
        const QByteArray pack = BuildPack("B\u00FCcher", pictures, error);
        QVERIFY(!pack.isEmpty());
        const PackContents contents = SplitPack(pack);
        QVERIFY(contents.hasMarker);
        QCOMPARE(contents.names, (QStringList{"B\u00FCcher", "cat.bmp", "caf\u00E9.bmp", "dog.gif"}));
        QCOMPARE(contents.parts.size(), 3);
        QList<PackPicture> again;
        for (qsizetype i = 0; i < contents.parts.size(); ++i)
            again << PackPicture{contents.names.at(i + 1), contents.parts.at(i).toByteArray()};
        QCOMPARE(BuildPack(contents.names.at(0), again, error), pack);
        // The header is one byte a character.
        QVERIFY(pack.startsWith("B\xFC" "cher|cat.bmp|caf\xE9.bmp|dog.gif"));
    }

    void splitWithoutMarker_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("picture") << OutlineBmp();
        QTest::newRow("header only") << QByteArray("Animals|cat.bmp");
        QTest::newRow("marker cut short") << QByteArray("Animals|cat.bmp") + PackMarker().chopped(1) + "xyz";
    }
    void splitWithoutMarker()
    {
        QFETCH(QByteArray, bytes);
        const PackContents contents = SplitPack(bytes);
        QVERIFY(!contents.hasMarker);
        QVERIFY(contents.parts.isEmpty());
    }

    void refusedNames_data()
    {
        QTest::addColumn<QString>("book");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("named");
        QTest::newRow("Cyrillic book") << QStringLiteral("\u041A\u043D\u0438\u0433\u0430") << "cat.bmp"
                                       << QStringLiteral("\u041A\u043D\u0438\u0433\u0430");
        QTest::newRow("Japanese file") << "Animals" << QStringLiteral("\u732B.bmp") << QStringLiteral("\u732B.bmp");
        QTest::newRow("bar in a file name") << "Animals" << "a|b.bmp" << "a|b.bmp";
        QTest::newRow("colon in a book") << "C:" << "cat.bmp" << "C:";
    }
    void refusedNames()
    {
        QFETCH(QString, book);
        QFETCH(QString, file);
        QFETCH(QString, named);
        QString error;
        QVERIFY(BuildPack(book, {{file, OutlineBmp()}}, error).isEmpty());
        QVERIFY2(error.contains(QLatin1Char('"') + named + QLatin1Char('"')), qPrintable(error));
    }

    void bookWithoutAName()
    {
        QString error;
        QVERIFY(BuildPack("", {{"cat.bmp", OutlineBmp()}}, error).isEmpty());
        QVERIFY2(error.contains("top folder"), qPrintable(error));
    }

    void pictureHoldingTheMarkerIsRefused()
    {
        QString error;
        QVERIFY(BuildPack("Animals", {{"cat.bmp", OutlineBmp() + PackMarker()}}, error).isEmpty());
        QVERIFY2(error.contains("cat.bmp"), qPrintable(error));
    }

    void plainNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("plain");
        QTest::newRow("book") << "Animals" << true;
        QTest::newRow("file") << "cat.bmp" << true;
        QTest::newRow("accents") << QStringLiteral("caf\u00E9.bmp") << true;
        QTest::newRow("spaces") << "my farm animals" << true;
        QTest::newRow("255 bytes") << QString(255, 'a') << true;
        QTest::newRow("256 bytes") << QString(256, 'a') << false;
        QTest::newRow("128 two-byte letters") << QString(128, QChar(0xE9)) << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("dot") << "." << false;
        QTest::newRow("dot dot") << ".." << false;
        for (const char *refused : {"a\\b", "a/b", "a:b", "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b"})
            QTest::newRow(refused) << refused << false;
        QTest::newRow("tab") << "a\tb" << false;
        QTest::newRow("NUL") << QString("a") + QChar(0) + "b" << false;
        QTest::newRow("C1 control") << QString("a") + QChar(0x81) + "b" << false;
    }
    void plainNames()
    {
        QFETCH(QString, name);
        QTEST(IsPlainPackName(name), "plain");
    }

    void freePictureName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<QString>("expected");
        QTest::newRow("free") << "cat.bmp" << QStringList{"dog.bmp"} << "cat.bmp";
        QTest::newRow("second") << "cat.bmp" << QStringList{"cat.bmp"} << "cat_1.bmp";
        QTest::newRow("third") << "cat.bmp" << QStringList{"cat.bmp", "cat_1.bmp"} << "cat_2.bmp";
        QTest::newRow("letter case") << "CAT.BMP" << QStringList{"cat.bmp"} << "CAT_1.BMP";
        QTest::newRow("no extension") << "cat" << QStringList{"cat"} << "cat_1";
        QTest::newRow("four-letter extension") << "cat.jpeg" << QStringList{"cat.jpeg"} << "cat_1.jpeg";
        QTest::newRow("short name") << "ab" << QStringList{"ab"} << "ab_1";
        QTest::newRow("extension only") << ".bmp" << QStringList{".bmp"} << "_1.bmp";
        QTest::newRow("leading dot") << ".hidden" << QStringList{".hidden"} << ".hidden_1";
        const QString longest = QString(251, 'a') + ".bmp"; // 255 bytes
        QTest::newRow("longest name") << longest << QStringList{longest} << QString(249, 'a') + "_1.bmp";
        const QString euros = "a" + QString(83, QChar(0x20AC)) + ".bmp"; // 3 bytes a euro: 254 bytes
        QTest::newRow("wide letters") << euros << QStringList{euros} << "a" + QString(82, QChar(0x20AC)) + "_1.bmp";
    }
    void freePictureName()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, taken);
        QTEST(FreePictureName(name, QSet<QString>(taken.begin(), taken.end())), "expected");
    }

    void freeBookName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<QString>("expected");
        QTest::newRow("free") << "Farm" << QStringList{"zoo"} << "Farm";
        QTest::newRow("letter case") << "Farm" << QStringList{"farm", "FARM_1"} << "Farm_2";
        const QString longest(255, 'b');
        QTest::newRow("longest name") << longest << QStringList{longest} << QString(253, 'b') + "_1";
    }
    void freeBookName()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, taken);
        const auto isTaken = [&taken](const QString &candidate) { return taken.contains(candidate, Qt::CaseInsensitive); };
        QTEST(FreeBookName(name, isTaken), "expected");
    }
};

QTEST_MAIN(TestPackFile)
#include "test_pack_file.moc"
