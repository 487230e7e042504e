#include <QElapsedTimer>
#include <QSet>
#include <QtTest>

#include <cmath>
#include <limits>

#include "sound/sound_effects.h"
#include "tests/support/fake_sound.h"

namespace {

// A SoundEffects on fakes, drawing its random numbers from `numbers` in order.
struct Rig {
    Rig() = default;
    Rig(const Rig &) = delete;

    RecordingOutput *output = new RecordingOutput;
    FakeClock *clock = new FakeClock;
    QList<double> numbers;
    int overdrawn = 0;
    SoundEffects sounds{std::unique_ptr<SoundOutput>(output), std::unique_ptr<SoundClock>(clock), [this] {
                            if (numbers.isEmpty()) {
                                ++overdrawn;
                                return 0.0;
                            }
                            return numbers.takeFirst();
                        }};
};

// The events other windows raise, by a short name: "kind N", "message opened", "ok", "cancel".
void Trigger(SoundEffects &sounds, const QString &event)
{
    if (event.startsWith("kind "))
        sounds.PlaySoundEffect(event.mid(5).toInt());
    else if (event == "message opened")
        sounds.PlayMessageOpened();
    else if (event == "ok")
        sounds.PlayMessageOk();
    else if (event == "cancel")
        sounds.PlayCancel();
    else
        QFAIL(qPrintable("unknown event " + event));
}

const QStringList kEveryEvent = {"kind -1", "kind 0", "kind 1",         "kind 2", "kind 3", "kind 4",
                                 "kind 5",  "kind 6", "message opened", "ok",     "cancel"};

} // namespace

class TestSoundEffects : public QObject {
    Q_OBJECT

private slots:
    // Which clip each event plays for given random numbers, drawing exactly those numbers.
    void choice_data()
    {
        QTest::addColumn<QString>("event");
        QTest::addColumn<QList<double>>("numbers");
        QTest::addColumn<QString>("expected"); // empty: silent
        using L = QList<double>;
        QTest::newRow("pop, lowest") << "kind 0" << L{0.0} << "POP0";
        QTest::newRow("pop, middle") << "kind 0" << L{0.5} << "POP2";
        QTest::newRow("pop, highest") << "kind 0" << L{0.999} << "POP3";
        QTest::newRow("click, message family") << "kind 1" << L{0.5, 0.0} << "MESSAGE0";
        QTest::newRow("click, last message") << "kind 1" << L{0.99, 0.99} << "MESSAGE2";
        QTest::newRow("click, B family") << "kind 1" << L{0.49, 0.17} << "B1";
        QTest::newRow("click, last B") << "kind 1" << L{0.0, 0.999} << "B5";
        QTest::newRow("pick, press family") << "kind 4" << L{0.2, 0.6} << "PRESS1";
        QTest::newRow("pick, first press") << "kind 4" << L{0.0, 0.49} << "PRESS0";
        QTest::newRow("pick, B family") << "kind 4" << L{0.7, 0.84} << "B5";
        QTest::newRow("pick, first B") << "kind 4" << L{0.5, 0.0} << "B0";
        QTest::newRow("new picture, first") << "kind 5" << L{0.3} << "NEW0";
        QTest::newRow("new picture, second") << "kind 5" << L{0.6} << "NEW1";
        QTest::newRow("kind 2 silent") << "kind 2" << L{} << "";
        QTest::newRow("kind 3 silent") << "kind 3" << L{} << "";
        QTest::newRow("kind 6 silent") << "kind 6" << L{} << "";
        QTest::newRow("negative kind silent") << "kind -1" << L{} << "";
        QTest::newRow("message opened, first") << "message opened" << L{0.1} << "MESSAGE0";
        QTest::newRow("message opened, last") << "message opened" << L{0.7} << "MESSAGE2";
        QTest::newRow("ok") << "ok" << L{} << "OK";
        QTest::newRow("cancel, first") << "cancel" << L{0.0} << "CANCEL0";
        QTest::newRow("cancel, third") << "cancel" << L{0.5} << "CANCEL2";
        QTest::newRow("cancel, last") << "cancel" << L{0.99} << "CANCEL3";
    }
    void choice()
    {
        QFETCH(QString, event);
        QFETCH(QList<double>, numbers);
        QFETCH(QString, expected);
        Rig rig;
        rig.numbers = numbers;
        Trigger(rig.sounds, event);
        QCOMPARE(rig.output->log, expected.isEmpty() ? QStringList() : QStringList{"play " + expected});
        QVERIFY(rig.numbers.isEmpty());
        QCOMPARE(rig.overdrawn, 0);
    }

    // Each event while another clip still plays: bubbles give way, the rest cut in.
    void overPlayingClip_data()
    {
        QTest::addColumn<QString>("event");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("pop is dropped") << "kind 0" << QStringList{};
        QTest::newRow("click cuts in") << "kind 1" << QStringList{"stop", "play B0"};
        QTest::newRow("pick cuts in") << "kind 4" << QStringList{"stop", "play PRESS0"};
        QTest::newRow("new picture cuts in") << "kind 5" << QStringList{"stop", "play NEW0"};
        QTest::newRow("message opened cuts in") << "message opened" << QStringList{"stop", "play MESSAGE0"};
        QTest::newRow("ok cuts in") << "ok" << QStringList{"stop", "play OK"};
        QTest::newRow("cancel cuts in") << "cancel" << QStringList{"stop", "play CANCEL0"};
    }
    void overPlayingClip()
    {
        QFETCH(QString, event);
        QFETCH(QStringList, expected);
        Rig rig;
        rig.output->lengths["NEW1"] = 2000;
        rig.numbers = {0.9};
        rig.sounds.PlaySoundEffect(SoundKind::kNewPicture);
        rig.clock->now += 1500;
        QVERIFY(rig.sounds.IsPlaying());
        rig.output->log.clear();
        Trigger(rig.sounds, event);
        QCOMPARE(rig.output->log, expected);
    }

    void switchedOffPlaysNothing_data()
    {
        QTest::addColumn<QString>("event");
        for (const QString &event : kEveryEvent)
            QTest::newRow(qPrintable(event)) << event;
    }
    void switchedOffPlaysNothing()
    {
        QFETCH(QString, event);
        Rig rig;
        rig.sounds.SetPlay_Sound(false);
        QVERIFY(!rig.sounds.Play_Sound());
        Trigger(rig.sounds, event);
        rig.sounds.Play("BEEP", SoundMode::Interrupt);
        QCOMPARE(rig.output->log, QStringList());
        QCOMPARE(rig.clock->waits, QList<qint64>()); // the OK does not hold its window either
        QVERIFY(!rig.sounds.IsPlaying());

        rig.sounds.SetPlay_Sound(true);
        rig.sounds.Play("BEEP", SoundMode::Interrupt);
        QCOMPARE(rig.output->log, QStringList{"play BEEP"});
    }

    void switchingOffSilencesThePlayingClip()
    {
        Rig rig;
        rig.sounds.PlayCancel();
        rig.clock->now += 100;
        rig.sounds.SetPlay_Sound(false);
        QCOMPARE(rig.output->log, (QStringList{"play CANCEL0", "stop"}));
        QVERIFY(!rig.sounds.IsPlaying());
    }

    // Two quick departures: the second pop is dropped while the first still
    // plays by its own length, and heard once that has run out.
    void quickBubblesGiveWay()
    {
        Rig rig;
        rig.output->defaultLengthMs = 200;
        rig.numbers = {0.0, 0.3, 0.6, 0.9};
        rig.sounds.PlaySoundEffect(SoundKind::kBubblePop);
        rig.clock->now += 50;
        rig.sounds.PlaySoundEffect(SoundKind::kBubblePop);
        rig.clock->now += 149; // 1 ms before the first pop ends
        QVERIFY(rig.sounds.IsPlaying());
        rig.sounds.PlaySoundEffect(SoundKind::kBubblePop);
        QCOMPARE(rig.output->log, QStringList{"play POP0"});
        rig.clock->now += 1;
        QVERIFY(!rig.sounds.IsPlaying());
        rig.sounds.PlaySoundEffect(SoundKind::kBubblePop);
        QCOMPARE(rig.output->log, (QStringList{"play POP0", "play POP3"}));
    }

    // A clip that is missing counts as over at once, so it never blocks a bubble.
    void missingClipDoesNotBlock()
    {
        Rig rig;
        rig.output->lengths["B0"] = 0;
        rig.numbers = {0.0, 0.0, 0.0};
        rig.sounds.PlaySoundEffect(SoundKind::kClick);
        rig.sounds.PlaySoundEffect(SoundKind::kBubblePop);
        QCOMPARE(rig.output->log, (QStringList{"play B0", "play POP0"}));
    }

    void okWaitsForItsLength()
    {
        Rig rig;
        rig.output->lengths["OK"] = 450;
        rig.sounds.PlayMessageOk();
        QCOMPARE(rig.clock->waits, QList<qint64>{450});
        QVERIFY(!rig.sounds.IsPlaying());
        QCOMPARE(rig.output->log, QStringList{"play OK"});
    }

    void okOfNothingDoesNotWait()
    {
        Rig rig;
        rig.output->lengths["OK"] = 0; // missing or damaged
        rig.sounds.PlayMessageOk();
        QCOMPARE(rig.clock->waits, QList<qint64>());
    }

    void overlongOkIsCutOff()
    {
        Rig rig;
        rig.output->lengths["OK"] = 60000;
        rig.sounds.PlayMessageOk();
        QCOMPARE(rig.clock->waits, QList<qint64>{SoundEffects::kLongestWaitMs});
        QCOMPARE(rig.output->log, (QStringList{"play OK", "stop"}));
        QVERIFY(!rig.sounds.IsPlaying());
    }

    // On the real clock the OK returns after its length, while timers keep running.
    void okWaitsOnTheSteadyClock()
    {
        auto *output = new RecordingOutput;
        output->lengths["OK"] = 150;
        SoundEffects sounds{std::unique_ptr<SoundOutput>(output)};
        bool timerRan = false;
        QTimer::singleShot(20, [&] { timerRan = true; });
        QElapsedTimer elapsed;
        elapsed.start();
        sounds.PlayMessageOk();
        QVERIFY2(elapsed.elapsed() >= 150, qPrintable(QString::number(elapsed.elapsed())));
        QVERIFY2(elapsed.elapsed() < 2000, qPrintable(QString::number(elapsed.elapsed())));
        QVERIFY(timerRan);
    }

    void silenceNeverHangs()
    {
        SoundEffects sounds{std::make_unique<SilentSoundOutput>()};
        QElapsedTimer elapsed;
        elapsed.start();
        for (const QString &event : kEveryEvent)
            Trigger(sounds, event);
        QVERIFY(elapsed.elapsed() < 500);
        QVERIFY(!sounds.IsPlaying());
    }

    // The default source reaches every variant of a family and nothing else.
    void defaultRandomCoversTheFamily()
    {
        auto *output = new RecordingOutput;
        output->defaultLengthMs = 0;
        SoundEffects sounds{std::unique_ptr<SoundOutput>(output)};
        for (int i = 0; i < 400; ++i)
            sounds.PlaySoundEffect(SoundKind::kBubblePop);
        const QSet<QString> heard(output->log.begin(), output->log.end());
        QCOMPARE(heard, (QSet<QString>{"play POP0", "play POP1", "play POP2", "play POP3"}));
    }

    void randomIndexStaysInRange_data()
    {
        QTest::addColumn<double>("drawn");
        QTest::addColumn<int>("expected");
        QTest::newRow("zero") << 0.0 << 0;
        QTest::newRow("just under one") << 0.9999 << 3;
        QTest::newRow("one") << 1.0 << 3;
        QTest::newRow("negative") << -0.5 << 0;
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 0;
    }
    void randomIndexStaysInRange()
    {
        QFETCH(double, drawn);
        QFETCH(int, expected);
        QCOMPARE(RandomIndex([=] { return drawn; }, 4), expected);
    }
};

QTEST_GUILESS_MAIN(TestSoundEffects)
#include "test_sound_effects.moc"
