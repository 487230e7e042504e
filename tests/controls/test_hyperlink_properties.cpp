#include <QtTest>

#include "controls/hyperlink_properties.h"

namespace {

HyperLinkProperties Changed()
{
    HyperLinkProperties properties;
    properties.Caption = QStringLiteral("Add a book");
    properties.Target = QStringLiteral("books");
    properties.AutoSize = false;
    properties.LinkAvailable = false;
    properties.Font = QFont(QStringLiteral("Serif"), 17, QFont::Bold, true);
    properties.BackColor = QColor(10, 20, 30);
    properties.ForeColor = QColor(200, 100, 50);
    properties.HoverForeColor = QColor(0, 128, 0);
    properties.UseHoverForeColor = true;
    properties.UnderlineOnHover = true;
    return properties;
}

} // namespace

class TestHyperLinkProperties : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void savesAllTenUnderTheirNames()
    {
        const QVariantMap bag = HyperLinkProperties().Save(); // defaults are written too
        const QStringList names{"AutoSize",       "BackColor", "Caption", "Font",              "ForeColor",
                                "HoverForeColor", "LinkAvailable", "Target", "UnderlineOnHover", "UseHoverForeColor"};
        QCOMPARE(bag.keys(), names);
    }

    void readsBackWhatWasSaved()
    {
        const HyperLinkProperties saved = Changed();
        HyperLinkProperties read = HyperLinkProperties::Unsaved("link", QFont(), Qt::white, Qt::black);
        read.Read(saved.Save());
        QVERIFY(read == saved);
    }

    void missingOrWrongValuesKeepTheUnsavedDefaults()
    {
        const QFont font(QStringLiteral("Sans"), 11);
        const HyperLinkProperties unsaved = HyperLinkProperties::Unsaved("cFunc", font, Qt::white, Qt::black);
        HyperLinkProperties read = unsaved;
        read.Read({{"AutoSize", QStringLiteral("yes")}, {"Font", 12}, {"Caption", QVariant()}});
        QVERIFY(read == unsaved);
        QCOMPARE(read.Caption, QStringLiteral("cFunc"));
        QCOMPARE(read.HoverForeColor, QColor(0, 0, 255));
        QVERIFY(read.UseHoverForeColor);
        QVERIFY(read.UnderlineOnHover);
        QVERIFY(read.AutoSize && read.LinkAvailable);
        QVERIFY(read.Target.isEmpty());
    }

    void aNewLinkHasNoHoverEffects()
    {
        const HyperLinkProperties fresh;
        QVERIFY(!fresh.UseHoverForeColor);
        QVERIFY(!fresh.UnderlineOnHover);
        QCOMPARE(fresh.HoverForeColor, QColor(0, 0, 255));
    }

    void coloursMayBeColourValues()
    {
        HyperLinkProperties read;
        read.Read({{"HoverForeColor", 16711680}, {"ForeColor", 0x0000FF}, {"BackColor", qint64(0x00FF00)}});
        QCOMPARE(read.HoverForeColor, QColor(0, 0, 255)); // blue-green-red order: FF0000 is blue
        QCOMPARE(read.ForeColor, QColor(255, 0, 0));
        QCOMPARE(read.BackColor, QColor(0, 255, 0));
    }

    void autoSize_data()
    {
        QTest::addColumn<QSizeF>("caption");
        QTest::addColumn<QSizeF>("link");
        QTest::newRow("room around the text") << QSizeF(1000, 195) << QSizeF(1120, 255);
        QTest::newRow("empty caption") << QSizeF(0, 0) << QSizeF(120, 60);
    }

    void autoSize()
    {
        QFETCH(QSizeF, caption);
        QFETCH(QSizeF, link);
        QCOMPARE(HyperLinkAutoSizeTwips(caption), link);
    }
};

QTEST_MAIN(TestHyperLinkProperties)
#include "test_hyperlink_properties.moc"
