#include <QtTest>

#include "platform/display_check.h"
#include "platform/keyboard_filter.h"

class TestStartUpRules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void displayThresholds_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("verdict");
        QTest::newRow("1024x768x16") << 1024 << 768 << 16 << int(DisplayVerdict::Fine);
        QTest::newRow("1920x1080x32") << 1920 << 1080 << 32 << int(DisplayVerdict::Fine);
        QTest::newRow("800x600x32") << 800 << 600 << 32 << int(DisplayVerdict::AskToContinue);
        QTest::newRow("1024x767x24") << 1024 << 767 << 24 << int(DisplayVerdict::AskToContinue);
        QTest::newRow("800x599x32") << 800 << 599 << 32 << int(DisplayVerdict::Refuse);
        QTest::newRow("799x600x32") << 799 << 600 << 32 << int(DisplayVerdict::Refuse);
        QTest::newRow("1280x1024x8") << 1280 << 1024 << 8 << int(DisplayVerdict::Refuse);
        QTest::newRow("1280x1024x15") << 1280 << 1024 << 15 << int(DisplayVerdict::Refuse);
    }
    void displayThresholds()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, bits);
        QFETCH(int, verdict);
        QCOMPARE(int(CheckDisplay({width, height, bits})), verdict);
    }

    void keyDecision_data()
    {
        QTest::addColumn<int>("virtualKey");
        QTest::addColumn<bool>("alt");
        QTest::addColumn<bool>("control");
        QTest::addColumn<bool>("swallowed");
        QTest::newRow("plain letter") << int('A') << false << false << false;
        QTest::newRow("escape") << 0x1B << false << false << false;
        QTest::newRow("Alt flag (Alt+Tab)") << 0x09 << true << false << true;
        QTest::newRow("Alt+F4") << 0x73 << true << false << true;
        QTest::newRow("Control held (Ctrl+Esc)") << 0x1B << false << true << true;
        QTest::newRow("left Windows") << 0x5B << false << false << true;
        QTest::newRow("right Windows") << 0x5C << false << false << true;
        QTest::newRow("Apps") << 0x5D << false << false << true;
        QTest::newRow("Shift") << 0x10 << false << false << true;
        QTest::newRow("Control") << 0x11 << false << false << true;
        QTest::newRow("Alt") << 0x12 << false << false << true;
    }
    void keyDecision()
    {
        QFETCH(int, virtualKey);
        QFETCH(bool, alt);
        QFETCH(bool, control);
        QFETCH(bool, swallowed);
        QCOMPARE(ShouldSwallowKey(virtualKey, alt, control), swallowed);
    }

    void qtKeysMapOntoTheDecision_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("swallowed");
        QTest::newRow("letter") << int(Qt::Key_A) << int(Qt::NoModifier) << false;
        QTest::newRow("shifted letter") << int(Qt::Key_A) << int(Qt::ShiftModifier) << false;
        QTest::newRow("Alt+Tab") << int(Qt::Key_Tab) << int(Qt::AltModifier) << true;
        QTest::newRow("Ctrl+Q") << int(Qt::Key_Q) << int(Qt::ControlModifier) << true;
        QTest::newRow("Meta+D") << int(Qt::Key_D) << int(Qt::MetaModifier) << true;
        QTest::newRow("Meta key") << int(Qt::Key_Meta) << int(Qt::NoModifier) << true;
        QTest::newRow("Super key") << int(Qt::Key_Super_L) << int(Qt::NoModifier) << true;
        QTest::newRow("Menu key") << int(Qt::Key_Menu) << int(Qt::NoModifier) << true;
        QTest::newRow("Shift key") << int(Qt::Key_Shift) << int(Qt::ShiftModifier) << true;
        QTest::newRow("Alt key") << int(Qt::Key_Alt) << int(Qt::NoModifier) << true;
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier) << false;
    }
    void qtKeysMapOntoTheDecision()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, swallowed);
        QCOMPARE(ShouldSwallowQtKey(key, Qt::KeyboardModifiers(modifiers)), swallowed);
    }
};

QTEST_GUILESS_MAIN(TestStartUpRules)
#include "test_start_up_rules.moc"
