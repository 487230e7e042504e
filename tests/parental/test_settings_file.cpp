#include <QTemporaryDir>
#include <QtTest>

#include "parental/settings_file.h"
#include "tests/support/file_faults.h"

namespace {

QByteArray Lines(const QList<QByteArray> &lines)
{
    QByteArray bytes;
    for (const QByteArray &line : lines)
        bytes += line + "\r\n";
    return bytes;
}

const QList<QByteArray> kGood = {" 1 ", " 0 ", " 1 ", " 1 ", " 10 ", "secret", "the cat's name"};

QList<QByteArray> With(int line, const QByteArray &text)
{
    QList<QByteArray> lines = kGood;
    lines[line - 1] = text;
    return lines;
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
        m_path = m_dir->filePath("Settings.ini");
    }

    void writesSevenLinesWithSpacedNumbers()
    {
        OptionsValues values;
        values.playSounds = 1;
        values.quitWithoutPermission = 0;
        values.autoHide = 0;
        values.useParentalPassword = 1;
        values.speed = kSpeedMedium;
        values.password = "Café€";
        values.hint = "drink";
        QVERIFY(WriteSettingsFile(m_path, values).ok());
        QCOMPARE(ContentsOf(m_path), Lines({" 1 ", " 0 ", " 0 ", " 1 ", " 4 ", "Caf\xE9\x80", "drink"}));

        MainWindowSettings settings;
        QVERIFY(ReadMainWindowSettings(m_path, settings));
        QVERIFY(settings.Play_Sound);
        QVERIFY(settings.QuitNeedsPermission);
        QVERIFY(!settings.AutoHideButtons);
        QVERIFY(settings.Use_Parental_password);
        QCOMPARE(settings.BubbleSpeed, 4.0f);
        QCOMPARE(settings.Parental_Password, QStringLiteral("Café€"));
        QCOMPARE(settings.Parental_Password_Hint, QStringLiteral("drink"));

        OptionsValues readBack;
        readBack.speed = kSpeedFast;
        QVERIFY(ReadOptionsValues(m_path, readBack));
        QCOMPARE(SettingsLines(readBack), SettingsLines(values));
    }

    void noSpeedChosenWritesAnEmptyLineAndLineBreaksCannotShiftTheFile()
    {
        OptionsValues values;
        values.speed = 0;
        values.password = "two\r\nlines";
        QVERIFY(WriteSettingsFile(m_path, values).ok());
        QCOMPARE(ContentsOf(m_path), Lines({" 1 ", " 0 ", " 0 ", " 1 ", "", "twolines", ""}));
    }

    void mainWindowReadsEachLine_data()
    {
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::addColumn<bool>("quitNeedsPermission");
        QTest::addColumn<float>("speed");
        QTest::addColumn<QString>("password");
        QTest::newRow("as written") << kGood << true << 10.0f << "secret";
        QTest::newRow("quitting allowed") << With(2, " 1 ") << false << 10.0f << "secret";
        QTest::newRow("any other number needs permission") << With(2, " 5 ") << true << 10.0f << "secret";
        QTest::newRow("fraction: whole part") << With(2, "1.7") << false << 10.0f << "secret";
        QTest::newRow("speed 7 is taken as it is") << With(5, " 7 ") << true << 7.0f << "secret";
        QTest::newRow("empty password") << With(6, "") << true << 10.0f << "";
    }
    void mainWindowReadsEachLine()
    {
        QFETCH(QList<QByteArray>, lines);
        QFETCH(bool, quitNeedsPermission);
        QFETCH(float, speed);
        QFETCH(QString, password);
        QVERIFY(WriteFile(m_path, Lines(lines)));
        MainWindowSettings settings;
        QVERIFY(ReadMainWindowSettings(m_path, settings));
        QVERIFY(settings.Play_Sound);
        QCOMPARE(settings.QuitNeedsPermission, quitNeedsPermission);
        QCOMPARE(settings.BubbleSpeed, speed);
        QCOMPARE(settings.Parental_Password, password);
        QCOMPARE(settings.Parental_Password_Hint, QStringLiteral("the cat's name"));
    }

    void unreadableFilesKeepWhatWasReadBeforeTheFault_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<int>("linesApplied");
        QTest::newRow("x in line 1") << Lines(With(1, "x")) << 0;
        QTest::newRow("only six lines") << Lines(kGood.mid(0, 6)) << 6;
        QTest::newRow("empty line 3") << Lines(With(3, "")) << 2;
        QTest::newRow("speed 0") << Lines(With(5, " 0 ")) << 4;
        QTest::newRow("negative speed") << Lines(With(5, "-4")) << 4;
        QTest::newRow("no speed") << Lines(With(5, "")) << 4;
        QTest::newRow("empty file") << QByteArray() << 0;
    }
    void unreadableFilesKeepWhatWasReadBeforeTheFault()
    {
        QFETCH(QByteArray, contents);
        QFETCH(int, linesApplied);
        QVERIFY(WriteFile(m_path, contents));
        MainWindowSettings settings;
        settings.AutoHideButtons = false;
        settings.Parental_Password = "unchanged";
        QVERIFY(!ReadMainWindowSettings(m_path, settings));
        QCOMPARE(settings.AutoHideButtons, linesApplied >= 3);
        QCOMPARE(settings.Parental_Password, linesApplied >= 6 ? QStringLiteral("secret") : QStringLiteral("unchanged"));
    }

    void missingFileIsUnreadable()
    {
        MainWindowSettings settings;
        QVERIFY(!ReadMainWindowSettings(m_path, settings));
        OptionsValues values;
        QVERIFY(!ReadOptionsValues(m_path, values));
    }

    void optionsWindowReadsCheckBoxesAndSpeed_data()
    {
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<int>("speed");
        QTest::newRow("slow") << kGood << true << kSpeedSlow;
        QTest::newRow("speed 7 selects nothing") << With(5, " 7 ") << true << kSpeedMedium;
        // The colouring window cannot use these either: both readers count them as faults.
        QTest::newRow("no speed written") << With(5, "") << false << kSpeedMedium;
        QTest::newRow("speed 0") << With(5, " 0 ") << false << kSpeedMedium;
        QTest::newRow("speed 0.9") << With(5, " 0.9 ") << false << kSpeedMedium;
        QTest::newRow("speed past a float") << With(5, " 1e39 ") << false << kSpeedMedium;
        QTest::newRow("greyed check box") << With(1, " 2 ") << true << kSpeedSlow;
        QTest::newRow("check box 3") << With(1, " 3 ") << false << kSpeedMedium;
        QTest::newRow("check box text") << With(4, "yes") << false << kSpeedMedium;
        QTest::newRow("speed text") << With(5, "fast") << false << kSpeedMedium;
        QTest::newRow("six lines") << kGood.mid(0, 6) << false << kSpeedSlow;
    }
    void optionsWindowReadsCheckBoxesAndSpeed()
    {
        QFETCH(QList<QByteArray>, lines);
        QFETCH(bool, readable);
        QFETCH(int, speed);
        QVERIFY(WriteFile(m_path, Lines(lines)));
        OptionsValues values; // design values: Medium
        QCOMPARE(ReadOptionsValues(m_path, values), readable);
        QCOMPARE(values.speed, speed);
        if (readable)
            QCOMPARE(values.hint, QStringLiteral("the cat's name"));
    }

    void fileNameIsFoundWhateverItsCase()
    {
        QVERIFY(WriteFile(m_dir->filePath("settings.INI"), Lines(kGood)));
        QCOMPARE(SettingsFilePath(m_dir->path()), m_dir->filePath("settings.INI"));
        MainWindowSettings settings;
        QVERIFY(ReadMainWindowSettings(SettingsFilePath(m_dir->path()), settings));

        QTemporaryDir empty;
        QCOMPARE(SettingsFilePath(empty.path()), empty.filePath("Settings.ini"));
    }

    void aFailedWriteKeepsTheOldFile()
    {
        QVERIFY(WriteFile(m_path, Lines(kGood)));
        FileReplaceResult result;
        {
            ImmutableGuard locked(m_dir->path());
            if (!locked.active())
                QSKIP("chattr +i is not available here");
            result = WriteSettingsFile(m_path, OptionsValues());
        }
        QVERIFY(!result.ok());
        QCOMPARE(ContentsOf(m_path), Lines(kGood));
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "test_settings_file.moc"
