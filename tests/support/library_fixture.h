#pragma once

#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

// A program folder in a temporary folder, with books of small pictures.
class LibraryFixture {
public:
    QString root() const { return m_dir.path(); }
    QString path(const QString &relative) const { return m_dir.filePath(relative); }

    // Writes books/{book}/{name}: a picture of the given size with a black
    // outline, in the format its extension names (bmp or jpg). Returns its path.
    QString AddPicture(const QString &book, const QString &name, QSize size = QSize(60, 40),
                       QColor fill = Qt::white) const
    {
        return AddPictureAt(QStringLiteral("books/") + book + QLatin1Char('/') + name, size, fill);
    }

    QString AddPictureAt(const QString &relative, QSize size = QSize(60, 40), QColor fill = Qt::white) const
    {
        const QString file = path(relative);
        QDir().mkpath(QFileInfo(file).path());
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(fill);
        for (int x = 0; x < size.width(); ++x) {
            picture.setPixel(x, 0, 0);
            picture.setPixel(x, size.height() - 1, 0);
        }
        const QByteArray format = file.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive) ? "jpg" : "bmp";
        picture.save(file, format.constData());
        return file;
    }

    // A book folder with no pictures in it.
    void AddEmptyBook(const QString &book) const { QDir().mkpath(path(QStringLiteral("books/") + book)); }

    void WriteBytes(const QString &relative, const QByteArray &bytes) const
    {
        QDir().mkpath(QFileInfo(path(relative)).path());
        QFile file(path(relative));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }

    QByteArray ReadBytes(const QString &relative) const
    {
        QFile file(path(relative));
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

private:
    QTemporaryDir m_dir;
};
