#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QThreadPool>

#include <optional>

#include "canvas/colouring_document.h"

// Saves colourings on a thread of its own, so that encoding and writing never
// hold up a stroke. One save at a time: a save asked for while one runs waits,
// and a newer one replaces it (only the newest colouring is worth writing).
// Finished is emitted on the owner's thread for each save that ran.
class BackgroundSaver : public QObject {
    Q_OBJECT

public:
    explicit BackgroundSaver(QObject *parent = nullptr);
    ~BackgroundSaver() override; // waits for the save in progress

    void Start(ColouringDocument::Snapshot snapshot);
    bool Busy() const { return m_running; }
    // Returns once no save runs or waits, Finished delivered for each: for the
    // saves that must not race one in progress (before another picture opens,
    // before clearing, on quitting).
    void WaitForIdle();

Q_SIGNALS:
    void Finished(const QString &picturePath, quint64 version, const DocumentSaveResult &result);

private:
    void Launch(ColouringDocument::Snapshot snapshot);
    void OnFinished();

    QThreadPool m_pool;
    QFutureWatcher<DocumentSaveResult> m_watcher;
    bool m_running = false;
    QString m_runningPath;
    quint64 m_runningVersion = 0;
    std::optional<ColouringDocument::Snapshot> m_waiting;
};
