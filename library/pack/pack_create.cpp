#include "library/pack/pack_create.h"

#include <QFile>

#include "core/file_replace.h"
#include "image/picture_reader.h"
#include "library/library_files.h"
#include "library/pack/pack_file.h"

namespace {

PackCreation Refused(const QString &message)
{
    return {false, message, QString()};
}

QString CannotPack(const QString &fileName, const QString &why)
{
    return QStringLiteral("The picture \"%1\" could not be put into the Picture Pack:\r\n%2").arg(fileName, why);
}

} // namespace

QString PackTargetPath(const QString &chosen)
{
    return chosen.endsWith(QLatin1String(".vpk"), Qt::CaseSensitive) ? chosen : chosen + QLatin1String(".vpk");
}

PackCreation CreatePack(const QString &folder, const QStringList &fileNames, const QString &target)
{
    QString bare = folder;
    while (bare.size() > 1 && bare.endsWith(QLatin1Char('/')))
        bare.chop(1);
    const QString bookName = FileTitleOf(bare);

    QList<PackPicture> pictures;
    qint64 total = 0;
    for (const QString &name : fileNames) {
        const QString path = bare + QLatin1Char('/') + name;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return Refused(CannotPack(name, file.errorString()));
        total += file.size();
        if (total > kMaxPackBytes)
            return Refused(QStringLiteral("The pictures chosen come to more than 1 GiB, "
                                          "more than one Picture Pack may hold."));
        PackPicture picture{name, file.readAll()};
        if (picture.bytes.size() != file.size())
            return Refused(CannotPack(name, file.errorString()));
        const PictureRead read = ReadPictureBytes(picture.bytes, path);
        if (!read.ok())
            return Refused(CannotPack(name, read.detail));
        pictures << std::move(picture);
    }

    QString error;
    const QByteArray pack = BuildPack(bookName, pictures, error);
    if (!error.isEmpty())
        return Refused(error);
    const QString path = PackTargetPath(target);
    if (!ReplaceFileContents(path, pack).ok())
        return Refused(QString::fromLatin1(kPackSaveFailed));
    return {true, QString::fromLatin1(kPackCreated), path};
}
