// The help and licence pages that ship in the default library's help folder:
// they read as balanced HTML, every picture and local link they use is there,
// nothing is fetched from outside or run as a script, and the licence page and
// LICENSE carry the notices that the libraries we ship require.

#include "tests/resources/html_check.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QtTest>

namespace {

const QDir Help(QStringLiteral(VELMORA_SOURCE_DIR "/resources/default_library/help"));
const QString LicenseFile = QStringLiteral(VELMORA_SOURCE_DIR "/LICENSE");

// Screenshots are shrunk before they go in; a full-screen capture here would
// mean one slipped in at its original size.
constexpr int kWidestPicture = 800;

QString ReadText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class TestHelpPages : public QObject {
    Q_OBJECT

private slots:
    void pageReadsAndItsTargetsExist_data()
    {
        QTest::addColumn<QString>("page");
        QTest::newRow("help") << QStringLiteral("help.htm");
        QTest::newRow("licence") << QStringLiteral("license_agreement.htm");
    }

    void pageReadsAndItsTargetsExist()
    {
        QFETCH(QString, page);
        const QString text = ReadText(Help.filePath(page));
        QVERIFY2(!text.isEmpty(), qPrintable(page + QStringLiteral(" is missing or empty")));

        const HtmlOutline outline = ReadHtmlOutline(text);
        QVERIFY2(outline.problems.isEmpty(), qPrintable(outline.problems.join(QStringLiteral("; "))));
        QVERIFY(!outline.title.isEmpty());
        QVERIFY(!outline.hasScript);

        for (const QString &source : outline.sources) {
            QVERIFY2(!IsExternalLink(source), qPrintable(source + QStringLiteral(" is not part of the page")));
            QImageReader picture(Help.filePath(source));
            QVERIFY2(picture.canRead(), qPrintable(source + QStringLiteral(" cannot be read")));
            QVERIFY2(picture.size().width() <= kWidestPicture, qPrintable(source + QStringLiteral(" is too wide")));
        }
        for (const QString &link : outline.links) {
            if (link.startsWith(u'#'))
                QVERIFY2(outline.ids.contains(link.mid(1)), qPrintable(link + QStringLiteral(" has no target")));
            else if (!IsExternalLink(link))
                QVERIFY2(QFile::exists(Help.filePath(link.section(u'#', 0, 0))),
                         qPrintable(link + QStringLiteral(" points at a missing file")));
        }
    }

    // The reader itself must catch the faults the pages are checked for.
    void readerCatchesBrokenPages_data()
    {
        QTest::addColumn<QString>("html");
        QTest::newRow("unclosed") << QStringLiteral("<p><b>bold</p>");
        QTest::newRow("crossed") << QStringLiteral("<p><b>x</p></b>");
        QTest::newRow("stray bracket") << QStringLiteral("<p>1 < 2</p>");
        QTest::newRow("bare ampersand") << QStringLiteral("<p>this & that</p>");
        QTest::newRow("unknown entity") << QStringLiteral("<p>&bogus;</p>");
    }

    void readerCatchesBrokenPages()
    {
        QFETCH(QString, html);
        QVERIFY(!ReadHtmlOutline(html).problems.isEmpty());
        QVERIFY(ReadHtmlOutline(QStringLiteral("<p><img src=\"a.png\" alt=\"\"> &amp; &#169;</p>")).problems.isEmpty());
    }

    void noticesAreThere_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("phrase");
        const QString page = Help.filePath(QStringLiteral("license_agreement.htm"));
        for (const QString &file : {page, LicenseFile}) {
            const QString name = QFileInfo(file).fileName();
            const char *phrases[] = {"MIT",
                                     "The Velmora developers",
                                     "Qt",
                                     "LGPL-3.0",
                                     "dynamically",
                                     "download.qt.io",
                                     "libjpeg-turbo",
                                     "based in part on the work of the Independent JPEG Group",
                                     "Redistributions in binary form must reproduce the above copyright notice",
                                     "D. R. Commander",
                                     "Google Benchmark"};
            for (const char *phrase : phrases)
                QTest::addRow("%s: %s", qPrintable(name), phrase) << file << QString::fromUtf8(phrase);
        }
    }

    void noticesAreThere()
    {
        QFETCH(QString, file);
        QFETCH(QString, phrase);
        // Line breaks inside a sentence do not matter to a reader.
        const QString text = ReadText(file).simplified();
        QVERIFY2(text.contains(phrase), qPrintable(phrase));
    }

    void fullLicenceTextsShipBesideThePage()
    {
        for (const char *name : {"licenses/LGPL-3.0.txt", "licenses/GPL-3.0.txt"})
            QVERIFY2(ReadText(Help.filePath(QString::fromUtf8(name))).contains(QStringLiteral("GENERAL PUBLIC LICENSE")),
                     name);
    }
};

QTEST_GUILESS_MAIN(TestHelpPages)
#include "test_help_pages.moc"
