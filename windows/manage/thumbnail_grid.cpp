#include "windows/manage/thumbnail_grid.h"

#include <QApplication>
#include <QPixmap>
#include <QRegularExpression>

#include "controls/program_fonts.h"
#include "library/thumbnail_file.h"
#include "library/thumbnail_list.h"

namespace {

// Room for a thumbnail and two lines of its name under it.
constexpr QSize kCell(140, 150);
constexpr int kNameRole = Qt::UserRole;

// File names rarely have spaces: a zero-width space after each dot, dash and
// underscore lets "elephant.bmp.jpg" break onto a second line instead of being cut.
QString ShownName(QString name)
{
    static const QRegularExpression breaks(QStringLiteral("([._-])"));
    return name.replace(breaks, QStringLiteral("\\1\u200B"));
}

} // namespace

ThumbnailGrid::ThumbnailGrid(QWidget *parent) : QListWidget(parent)
{
    setViewMode(QListView::IconMode);
    setIconSize(QSize(kThumbnailSide, kThumbnailSide));
    setGridSize(kCell);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setWrapping(true);
    setWordWrap(true);
    setTextElideMode(Qt::ElideMiddle); // a name too long for two lines keeps its end
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setFont(ParentFont(9));
}

void ThumbnailGrid::ShowPictures(const QString &folder, const QStringList &fileNames)
{
    clear();
    m_showedBusyCursor = !fileNames.isEmpty();
    if (fileNames.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QVector<NamedThumbnail> thumbnails = LoadThumbnails(folder, fileNames);
    for (const NamedThumbnail &thumbnail : thumbnails) {
        auto *item = new QListWidgetItem(QIcon(QPixmap::fromImage(thumbnail.image)), ShownName(thumbnail.name));
        item->setData(kNameRole, thumbnail.name);
        item->setToolTip(thumbnail.name);
        addItem(item);
    }
    QApplication::restoreOverrideCursor();
}

QStringList ThumbnailGrid::Names() const
{
    QStringList names;
    for (int i = 0; i < count(); ++i)
        names << item(i)->data(kNameRole).toString();
    return names;
}

QStringList ThumbnailGrid::SelectedNames() const
{
    QStringList names;
    for (int i = 0; i < count(); ++i) {
        if (item(i)->isSelected())
            names << item(i)->data(kNameRole).toString();
    }
    return names;
}

int ThumbnailGrid::SelectedCount() const
{
    return static_cast<int>(selectedItems().size());
}

void ThumbnailGrid::RemoveName(const QString &name)
{
    for (int i = 0; i < count(); ++i) {
        if (item(i)->data(kNameRole).toString() == name) {
            delete takeItem(i);
            return;
        }
    }
}
