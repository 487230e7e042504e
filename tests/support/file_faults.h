#pragma once

// Ways to make the file system refuse a write, for tests that run as root (where
// permission bits alone stop nothing).

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <csignal>
#include <sys/resource.h>

// Marks a file or folder immutable (chattr +i) for its lifetime. `active()` is
// false where the file system or the user cannot do that; the test then skips.
class ImmutableGuard {
public:
    explicit ImmutableGuard(QString path) : m_path(std::move(path))
    {
        m_active = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), m_path}) == 0;
    }
    ~ImmutableGuard()
    {
        if (m_active)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), m_path});
    }
    ImmutableGuard(const ImmutableGuard &) = delete;
    ImmutableGuard &operator=(const ImmutableGuard &) = delete;
    bool active() const { return m_active; }

private:
    QString m_path;
    bool m_active = false;
};

// Makes every file write of this process fail past `bytes`, as on a full disk,
// for its lifetime (the file-size limit, with SIGXFSZ ignored so the write
// merely returns an error).
class FullDiskGuard {
public:
    explicit FullDiskGuard(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_before);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_before;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDiskGuard()
    {
        setrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FullDiskGuard(const FullDiskGuard &) = delete;
    FullDiskGuard &operator=(const FullDiskGuard &) = delete;

private:
    rlimit m_before{};
    void (*m_oldHandler)(int) = nullptr;
};

// The names in a folder, sorted, to show that no temporary file was left behind.
inline QStringList EntriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

inline QByteArray ContentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(contents) == contents.size();
}
