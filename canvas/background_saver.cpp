#include "canvas/background_saver.h"

#include <QtConcurrent/QtConcurrentRun>

#include <utility>

BackgroundSaver::BackgroundSaver(QObject *parent) : QObject(parent)
{
    m_pool.setMaxThreadCount(1);
    connect(&m_watcher, &QFutureWatcher<DocumentSaveResult>::finished, this, &BackgroundSaver::OnFinished);
}

BackgroundSaver::~BackgroundSaver()
{
    m_waiting.reset();
    m_watcher.waitForFinished();
}

void BackgroundSaver::Start(ColouringDocument::Snapshot snapshot)
{
    if (m_running) {
        m_waiting = std::move(snapshot);
        return;
    }
    Launch(std::move(snapshot));
}

void BackgroundSaver::Launch(ColouringDocument::Snapshot snapshot)
{
    m_running = true;
    m_runningPath = snapshot.files.picture;
    m_runningVersion = snapshot.version;
    m_watcher.setFuture(QtConcurrent::run(&m_pool, [snapshot = std::move(snapshot)] {
        return SaveColouredPicture(snapshot.files, snapshot.canvas, snapshot.lineArt);
    }));
}

void BackgroundSaver::OnFinished()
{
    // A finished signal can arrive late for a save WaitForIdle has delivered
    // already, even after the next save started: only a finished save counts.
    if (!m_running || !m_watcher.isFinished())
        return;
    m_running = false;
    const DocumentSaveResult result = m_watcher.future().result();
    const QString path = m_runningPath;
    const quint64 version = m_runningVersion;
    if (m_waiting) {
        ColouringDocument::Snapshot next = std::move(*m_waiting);
        m_waiting.reset();
        Launch(std::move(next));
    }
    Q_EMIT Finished(path, version, result);
}

void BackgroundSaver::WaitForIdle()
{
    while (m_running) {
        m_watcher.waitForFinished();
        OnFinished();
    }
}
