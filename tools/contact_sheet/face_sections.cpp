#include "resources/cursor_table.h"
#include "tools/contact_sheet/contact_sheet.h"
#include "tools/contact_sheet/sections.h"
#include "tools/contact_sheet/tiles.h"
#include "tools/faces/face_table.h"

#include <QSet>

namespace Sections {

namespace {

QImage Load(const QDir &resources, const QString &relative, QString *problem)
{
    QImage picture(resources.filePath(relative));
    if (picture.isNull()) {
        *problem = QStringLiteral("MISSING ") + relative;
        return Tiles::Missing(QSize(48, 48));
    }
    return picture;
}

QString SizeText(const QImage &picture)
{
    return QStringLiteral("%1x%2").arg(picture.width()).arg(picture.height());
}

} // namespace

void ButtonFaces(ContactSheet &sheet, const QDir &resources)
{
    sheet.addSection(QStringLiteral("Button faces"), QStringLiteral("(resting, held, latched; then disabled: its own face or greyed)"));
    QSet<QString> shown;
    for (const FaceTable::FaceSet &set : FaceTable::FaceSets()) {
        QString problem;
        std::vector<QImage> states;
        QStringList numbers;
        for (int number : {set.rest, set.down, set.latched}) {
            if (number == 0)
                continue;
            const QString file = QStringLiteral("%1.png").arg(number);
            shown.insert(file);
            states.push_back(Load(resources, QStringLiteral("faces/") + file, &problem));
            numbers << QString::number(number);
            if (states.back().size() != states.front().size() && problem.isEmpty())
                problem = QStringLiteral("SIZES DIFFER");
        }
        if (set.disabled) { // a face of its own while it cannot be pressed
            const QString file = QString::fromLatin1(set.disabled) + QStringLiteral(".png");
            shown.insert(file);
            states.push_back(Load(resources, QStringLiteral("faces/") + file, &problem));
        } else {
            states.push_back(Tiles::GreyLikeButton(states.front()));
        }
        QStringList label{QString::fromLatin1(set.button),
                          numbers.join(QStringLiteral(" / ")) + QStringLiteral("  ") + SizeText(states.front())};
        if (!problem.isEmpty())
            label << problem;
        sheet.addItem(Tiles::SideBySide(states), label);
    }

    sheet.addSection(QStringLiteral("Grown-ups' buttons"));
    for (const FaceTable::NamedPicture &face : FaceTable::FunctionFaces()) {
        QString problem;
        const QString file = QString::fromLatin1(face.file) + QStringLiteral(".png");
        shown.insert(file);
        const QImage picture = Load(resources, QStringLiteral("faces/") + file, &problem);
        sheet.addItem(picture, {QString::fromLatin1(face.file), problem.isEmpty() ? SizeText(picture) : problem});
    }

    const QStringList all = QDir(resources.filePath(QStringLiteral("faces"))).entryList({QStringLiteral("*.png")});
    bool first = true;
    for (const QString &file : all) {
        // The same faces drawn larger for sharper screens ("102@2x.png") are not unused.
        if (shown.contains(file) || file.contains(QLatin1Char('@')))
            continue;
        if (first)
            sheet.addSection(QStringLiteral("Faces no button uses"));
        first = false;
        QString problem;
        const QImage picture = Load(resources, QStringLiteral("faces/") + file, &problem);
        sheet.addItem(picture, {file, SizeText(picture)});
    }
}

void Cursors(ContactSheet &sheet, const QDir &resources)
{
    sheet.addSection(QStringLiteral("Cursors"), QStringLiteral("(3x with the hot spot ringed; real size on white and dark)"));
    for (const CursorTable::Entry &entry : CursorTable::Entries) {
        QString problem;
        const QImage cursor = Load(resources, QStringLiteral("cursors/%1.png").arg(entry.number), &problem);
        QStringList label{QStringLiteral("%1  %2, hot spot %3,%4")
                              .arg(entry.number).arg(SizeText(cursor)).arg(entry.hotX).arg(entry.hotY)};
        if (!problem.isEmpty()) {
            sheet.addItem(cursor, label << problem);
            continue;
        }
        if (cursor.size() != QSize(entry.width, entry.height))
            label << QStringLiteral("SHOULD BE %1x%2").arg(entry.width).arg(entry.height);
        sheet.addItem(Tiles::CursorTile(cursor, QPoint(entry.hotX, entry.hotY)), label);
    }
}

} // namespace Sections
