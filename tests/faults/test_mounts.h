#pragma once

// Real file systems that refuse writes, for tests that run as root: a small
// tmpfs that can be filled up, and a read-only bind mount of a folder. Both
// need the right to mount; where it is missing, `mounted()` is false and the
// test skips.

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

inline bool RunMount(const QStringList &arguments)
{
    QProcess mount;
    mount.start(QStringLiteral("mount"), arguments);
    return mount.waitForFinished(10000) && mount.exitStatus() == QProcess::NormalExit && mount.exitCode() == 0;
}

inline void Unmount(const QString &path)
{
    QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), path});
}

// A tmpfs of `size` (as mount takes it: "1m") at a temporary folder.
class SmallDisk {
public:
    explicit SmallDisk(const QString &size)
    {
        m_mounted =
            m_dir.isValid() && RunMount({QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                         QStringLiteral("size=") + size, QStringLiteral("velmora-test"), m_dir.path()});
    }
    ~SmallDisk()
    {
        if (m_mounted)
            Unmount(m_dir.path());
    }
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    bool mounted() const { return m_mounted; }
    QString path() const { return m_dir.path(); }

    // Takes up every byte left, so that the next write runs out of room.
    bool Fill() const
    {
        QFile filler(m_dir.filePath(QStringLiteral(".filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        for (const qsizetype chunk : {qsizetype(64 * 1024), qsizetype(1)}) {
            const QByteArray bytes(chunk, 'x');
            while (filler.write(bytes) == chunk) {
            }
        }
        return true;
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

// `source` seen read-only at a temporary folder.
class ReadOnlyView {
public:
    explicit ReadOnlyView(const QString &source)
    {
        m_mounted = m_dir.isValid() && RunMount({QStringLiteral("--bind"), source, m_dir.path()});
        if (m_mounted && !RunMount({QStringLiteral("-o"), QStringLiteral("remount,ro,bind"), m_dir.path()})) {
            Unmount(m_dir.path());
            m_mounted = false;
        }
    }
    ~ReadOnlyView()
    {
        if (m_mounted)
            Unmount(m_dir.path());
    }
    ReadOnlyView(const ReadOnlyView &) = delete;
    ReadOnlyView &operator=(const ReadOnlyView &) = delete;

    bool mounted() const { return m_mounted; }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};
