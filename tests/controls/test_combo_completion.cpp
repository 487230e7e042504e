#include <QtTest>

#include "controls/combo_completion.h"

class TestComboCompletion : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void oneTypedCharacterCompletes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<bool>("replace");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("newTag");
        QTest::newRow("first letter") << "A" << "" << true << "Animals" << 1 << 6 << "A";
        QTest::newRow("second letter") << "An" << "A" << true << "Animals" << 2 << 5 << "An";
        QTest::newRow("third letter") << "Ani" << "An" << true << "Animals" << 3 << 4 << "Ani";
        QTest::newRow("the second item") << "Ant" << "An" << true << "Ants" << 3 << 1 << "Ant";
        QTest::newRow("typed in lower case") << "an" << "a" << true << "animals" << 2 << 5 << "an";
        QTest::newRow("first letter changed") << "B" << "A" << true << "Bears" << 1 << 4 << "B";
        QTest::newRow("selection deleted") << "Ani" << "Ani" << false << "" << 0 << 0 << "Ani";
        QTest::newRow("a letter deleted") << "An" << "Ani" << false << "" << 0 << 0 << "An";
        QTest::newRow("two letters at once") << "Ani" << "A" << false << "" << 0 << 0 << "Ani";
        QTest::newRow("no item begins so") << "Ax" << "A" << false << "" << 0 << 0 << "Ax";
        QTest::newRow("the combo's own change") << "Animals" << "597" << false << "" << 0 << 0 << "597";
        QTest::newRow("emptied") << "" << "A" << false << "" << 0 << 0 << "A";
    }
    void oneTypedCharacterCompletes()
    {
        QFETCH(QString, text);
        QFETCH(QString, tag);
        const QStringList items{QStringLiteral("Animals"), QStringLiteral("Ants"), QStringLiteral("Bears")};
        const CompletionStep step = CompleteTyping(text, tag, items);
        QTEST(step.replace, "replace");
        QTEST(step.tag, "newTag");
        if (step.replace) {
            QTEST(step.text, "shown");
            QTEST(step.selectionStart, "start");
            QTEST(step.selectionLength, "length");
        }
    }
};

QTEST_GUILESS_MAIN(TestComboCompletion)
#include "test_combo_completion.moc"
