#pragma once

#include <QListWidget>

// An icon grid of 100 x 100 thumbnails, each labelled with its file name; several can be selected.
class ThumbnailGrid : public QListWidget {
    Q_OBJECT
public:
    explicit ThumbnailGrid(QWidget *parent = nullptr);
    // Empties the grid, then lists `fileNames` of `folder` in order with their thumbnails (built and
    // cached beside each file by EnsureThumbnail); a file whose thumbnail cannot be had is left out.
    // The busy cursor shows only while there is something to list.
    void ShowPictures(const QString &folder, const QStringList &fileNames);
    QStringList Names() const;             // in grid order
    QStringList SelectedNames() const;     // in grid order
    int SelectedCount() const;
    void RemoveName(const QString &name);  // removes that item

    // True when the last ShowPictures showed the busy cursor; for tests.
    bool ShowedBusyCursor() const { return m_showedBusyCursor; }

private:
    bool m_showedBusyCursor = false;
};
