#include "library/manage/thumbnail_grid.h"

#include <QApplication>
#include <QPixmap>

#include "controls/program_fonts.h"
#include "library/thumbnail_file.h"
#include "library/thumbnail_list.h"

namespace {

// Room for a thumbnail and two lines of its name under it.
constexpr QSize kCell(132, 142);

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
    setUniformItemSizes(true);
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
    for (const NamedThumbnail &thumbnail : thumbnails)
        addItem(new QListWidgetItem(QIcon(QPixmap::fromImage(thumbnail.image)), thumbnail.name));
    QApplication::restoreOverrideCursor();
}

QStringList ThumbnailGrid::Names() const
{
    QStringList names;
    for (int i = 0; i < count(); ++i)
        names << item(i)->text();
    return names;
}

QStringList ThumbnailGrid::SelectedNames() const
{
    QStringList names;
    for (int i = 0; i < count(); ++i) {
        if (item(i)->isSelected())
            names << item(i)->text();
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
        if (item(i)->text() == name) {
            delete takeItem(i);
            return;
        }
    }
}
