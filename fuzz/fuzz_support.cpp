#include "fuzz/fuzz_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>

void StartFuzzing()
{
    static int argc = 1;
    static char name[] = "velmora-fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication *application = new QCoreApplication(argc, argv);
    (void)application;
    const QList<QByteArray> formats = QImageReader::supportedImageFormats();
    for (const char *format : {"bmp", "gif", "jpeg"}) {
        if (!formats.contains(format)) {
            std::fprintf(stderr, "Qt cannot read %s pictures: is its image plugin installed?\n", format);
            std::abort();
        }
    }
}

QString ScratchFolder()
{
    static QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/velmora-fuzz-XXXXXX"));
    FUZZ_CHECK(folder.isValid());
    return folder.path();
}

void WriteFuzzFile(const QString &path, QByteArrayView bytes)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(bytes.data(), bytes.size()) == bytes.size());
}

QStringList EntriesBelow(const QString &folder)
{
    QStringList entries;
    const QDir top(folder);
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << top.relativeFilePath(it.next());
    entries.sort();
    return entries;
}

void EmptyFolder(const QString &folder)
{
    QDir dir(folder);
    for (const QString &entry : dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)) {
        const QString path = dir.filePath(entry);
        if (QFileInfo(path).isDir() && !QFileInfo(path).isSymLink())
            FUZZ_CHECK(QDir(path).removeRecursively());
        else
            FUZZ_CHECK(QFile::remove(path));
    }
}
