#pragma once

#include <QDialog>
#include <QMap>

class Combo;
class FileChooser;
class HyperLink;
class ThumbnailGrid;

// Where a grown-up manages the picture library: the books, the pictures of the
// chosen book as thumbnails, and the actions on them (create or delete a book,
// add or delete pictures, import or create a picture pack). Shown modally.
class frmManagePictures : public QDialog {
    Q_OBJECT

public:
    // `openPicture` is the picture open in the colouring window (empty when
    // none): it and its book are protected from deletion.
    frmManagePictures(const QString &programFolder, const QString &openPicture, QWidget *parent = nullptr,
                      FileChooser *chooser = nullptr);

    // Lists the pictures of a book folder in the grid.
    void LoadThumbnails(const QString &folder);

    // True once anything in the library changed, so that the picture browser is loaded afresh.
    bool LibraryChanged() const { return m_libraryChanged; }

    // The controls, for tests.
    Combo *Books() const { return m_books; }
    ThumbnailGrid *Grid() const { return m_grid; }
    HyperLink *Link(const QString &key) const { return m_links.value(key); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void BuildControls();
    void Form_Load();
    void cBooks_Click();
    void cFunc_Click(const QString &key);
    QString SelectedBook() const;
    QString BookFolder(const QString &book) const;
    void SelectBook(int index);

    void AddBook();
    void RemoveBook();
    void AddPictures();
    void DeletePictures();
    void ImportPack();
    void CreatePack();

    QString m_programFolder;
    QString m_openPicture;
    FileChooser *m_chooser;
    Combo *m_books = nullptr;
    ThumbnailGrid *m_grid = nullptr;
    QMap<QString, HyperLink *> m_links;
    bool m_libraryChanged = false;
};
