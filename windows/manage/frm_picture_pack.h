#pragma once

#include <QDialog>

class FileChooser;
class HyperLink;
class QLabel;

// Makes a picture pack: the grown-up picks pictures of one folder and a file to
// save them to; the pack carries the folder's name as its book. The window
// stays open for further packs until Close.
class frmPicturePack : public QDialog {
    Q_OBJECT

public:
    // `chooser` answers the file dialogs; none: the program's own.
    explicit frmPicturePack(QWidget *parent = nullptr, FileChooser *chooser = nullptr);

    HyperLink *lJoin() const { return m_join; }
    HyperLink *Label1() const { return m_close; }

    // Runs one creation: pictures, target, pack, message.
    void lJoin_Click();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    FileChooser *m_chooser;
    HyperLink *m_join;
    HyperLink *m_close;
};
