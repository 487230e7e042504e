#pragma once

#include <QDialog>

class Combo;
class HyperLink;
class QLabel;
class ThumbnailGrid;

// Where a grown-up looks at the coloured pictures of each book and deletes
// them. Built afresh on every showing from the "colored pictures" folder; a book
// whose last coloured picture goes loses its folder, unless it is the only book.
// Use: frmColoredPictures(programFolder, owner).exec();
class frmColoredPictures : public QDialog {
    Q_OBJECT

public:
    explicit frmColoredPictures(const QString &programFolder, QWidget *parent = nullptr);

    // Fills the grid with the coloured pictures of one book folder (full path).
    void ListColouredPictures(const QString &folder);

    // Controls, for tests.
    Combo *Books() const { return m_books; }
    ThumbnailGrid *Grid() const { return m_grid; }
    HyperLink *Link(int index) const { return m_links[index]; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void BuildControls();
    void Form_Load();
    void cBooks_Click();
    void cFunc_Click(int index);
    void DeletePictures();
    void RemoveEmptiedBook();
    QString BookFolder(int index) const;

    QString m_programFolder;
    Combo *m_books = nullptr;
    ThumbnailGrid *m_grid = nullptr;
    QLabel *m_label = nullptr;
    HyperLink *m_links[2] = {};
};
