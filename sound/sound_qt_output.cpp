#include "sound/sound_qt_output.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>

#include <algorithm>

#include "sound/sound_wav.h"
#include "resources/resource_names.h"

namespace {

QUrl UrlOf(const QString &path)
{
    return path.startsWith(QLatin1String(":/")) ? QUrl(QLatin1String("qrc") + path) : QUrl::fromLocalFile(path);
}

// Asking Qt for the audio outputs makes its audio backend complain on stderr
// when there is no sound server. The answer is all we need, so this thread's
// chatter is held back while asking; other threads are passed through.
QtMessageHandler g_previousHandler = nullptr;
Qt::HANDLE g_askingThread = nullptr;

void QuietWhileAsking(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const bool chatter = type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg;
    if (chatter && QThread::currentThreadId() == g_askingThread)
        return;
    if (g_previousHandler)
        g_previousHandler(type, context, message);
}

bool HasAudioOutput()
{
    g_askingThread = QThread::currentThreadId();
    g_previousHandler = qInstallMessageHandler(QuietWhileAsking);
    const bool found = !QMediaDevices::audioOutputs().isEmpty();
    qInstallMessageHandler(g_previousHandler);
    g_askingThread = nullptr;
    return found;
}

} // namespace

QtSoundOutput::QtSoundOutput(PathOf pathOf) : m_pathOf(pathOf ? std::move(pathOf) : PathOf(ResourceNames::Sound)) {}

QtSoundOutput::~QtSoundOutput()
{
    Stop();
    SettleLoading();
}

void QtSoundOutput::SettleLoading()
{
    if (!QCoreApplication::instance())
        return;
    auto loading = [this] {
        return std::any_of(m_clips.begin(), m_clips.end(), [](const auto &entry) {
            const QSoundEffect *effect = entry.second.effect.get();
            return effect && effect->status() == QSoundEffect::Loading;
        });
    };
    const QDeadlineTimer deadline(kSettleMs);
    while (loading() && !deadline.hasExpired()) {
        QThread::msleep(1);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

QtSoundOutput::Clip &QtSoundOutput::Load(const QString &name)
{
    auto found = m_clips.find(name);
    if (found != m_clips.end())
        return found->second;
    Clip clip;
    const QString path = m_pathOf(name);
    clip.lengthMs = WavFileLengthMs(path);
    if (clip.lengthMs > 0) {
        clip.effect = std::make_unique<QSoundEffect>();
        clip.effect->setSource(UrlOf(path));
    }
    return m_clips.emplace(name, std::move(clip)).first->second;
}

void QtSoundOutput::Play(const QString &name)
{
    Stop();
    QSoundEffect *effect = Load(name).effect.get();
    if (!effect)
        return;
    // Before it has loaded, Qt queues the play and starts it once ready.
    effect->play();
    m_current = effect;
}

void QtSoundOutput::Stop()
{
    if (m_current)
        m_current->stop();
    m_current = nullptr;
}

qint64 QtSoundOutput::LengthMs(const QString &name)
{
    return Load(name).lengthMs;
}

std::unique_ptr<SoundOutput> MakeSoundOutput()
{
    if (HasAudioOutput())
        return std::make_unique<QtSoundOutput>();
    qWarning("Velmora: no audio output found; sound effects are off.");
    return std::make_unique<SilentSoundOutput>();
}
