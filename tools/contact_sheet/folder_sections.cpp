#include "tools/contact_sheet/contact_sheet.h"
#include "tools/contact_sheet/sections.h"
#include "tools/contact_sheet/tiles.h"

#include <QFileInfo>

#include <algorithm>

namespace Sections {

void Folder(ContactSheet &sheet, const QDir &resources, const QString &folder, const QString &title, int scale)
{
    QStringList files = QDir(resources.filePath(folder)).entryList({QStringLiteral("*.png")}, QDir::Files);
    // One tile a picture: the copies drawn larger for sharper screens look the same.
    files.removeIf([](const QString &file) { return file.contains(QLatin1Char('@')); });
    // By number ("2.png" before "10.png"); a collator's numeric mode is not
    // there on every platform.
    std::stable_sort(files.begin(), files.end(), [](const QString &a, const QString &b) {
        bool aNumbered = false;
        bool bNumbered = false;
        const int aNumber = QFileInfo(a).completeBaseName().toInt(&aNumbered);
        const int bNumber = QFileInfo(b).completeBaseName().toInt(&bNumbered);
        if (aNumbered != bNumbered)
            return aNumbered;
        return aNumbered ? aNumber < bNumber : a < b;
    });
    sheet.addSection(title, files.isEmpty() ? QStringLiteral("(nothing here yet)") : QString());
    for (const QString &file : files) {
        const QImage picture(resources.filePath(folder + QLatin1Char('/') + file));
        if (picture.isNull()) {
            sheet.addItem(Tiles::Missing(QSize(48, 48)), {file, QStringLiteral("UNREADABLE")});
            continue;
        }
        const QString size = QStringLiteral("%1x%2").arg(picture.width()).arg(picture.height());
        sheet.addItem(picture.hasAlphaChannel() ? Tiles::OnChecker(picture, scale)
                                                : picture.scaled(picture.size() * scale),
                      {file, size});
    }
}

void Icon(ContactSheet &sheet, const QDir &resources)
{
    const QImage icon(resources.filePath(QStringLiteral("icons/velmora.png")));
    sheet.addSection(QStringLiteral("Application icon"), icon.isNull() ? QStringLiteral("(missing)") : QString());
    if (icon.isNull())
        return;
    for (int size : {256, 64, 32, 16}) {
        const QImage scaled = icon.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        sheet.addItem(Tiles::OnChecker(scaled), {QStringLiteral("%1x%1").arg(size)});
    }
}

} // namespace Sections
