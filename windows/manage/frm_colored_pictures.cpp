// The coloured-pictures window: its controls, the book list and the listing.
#include "windows/manage/frm_colored_pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>

#include "controls/combo.h"
#include "controls/hyperlink.h"
#include "controls/program_fonts.h"
#include "library/library_files.h"
#include "library/library_layout.h"
#include "windows/manage/thumbnail_grid.h"
#include "windows/manage/window_look.h"
#include "library/thumbnail_list.h"
#include "windows/parental/frm_parent_message.h"
#include "windows/parental/message_links.h"

namespace {

constexpr QSize kWindowSize(640, 500);

} // namespace

frmColoredPictures::frmColoredPictures(const QString &programFolder, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_programFolder(programFolder)
{
    setWindowTitle(QStringLiteral("Manage colored pictures"));
    setModal(true);
    setFixedSize(kWindowSize);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
    BuildControls();
    Form_Load();
}

void frmColoredPictures::BuildControls()
{
    m_label = new QLabel(QStringLiteral("Select a book:"), this);
    m_label->setFont(ParentFont(11, true));
    m_label->setGeometry(28, 66, 130, 30);

    m_books = new Combo(this);
    m_books->SetTextLocked(true); // the list names folders; typing could name none
    m_books->SetFont(ParentFont(11).family(), 11);
    m_books->setGeometry(160, 66, 300, m_books->sizeHint().height());
    connect(m_books, &Combo::Click, this, &frmColoredPictures::cBooks_Click);

    m_grid = new ThumbnailGrid(this);
    m_grid->setGeometry(28, 110, kWindowSize.width() - 56, 320);

    const QString captions[2] = {QStringLiteral("Close"), QStringLiteral("Delete selected picture(s)")};
    const QString tags[2] = {QStringLiteral("close"), QStringLiteral("delete pictures")};
    for (int i = 0; i < 2; ++i) {
        m_links[i] = MakeMessageLink(captions[i], this, Qt::white);
        m_links[i]->SetTag(tags[i]);
        connect(m_links[i], &HyperLink::Click, this, [this, i] { cFunc_Click(i); });
    }
    m_links[1]->move(28, 452);
    m_links[0]->move(kWindowSize.width() - 28 - m_links[0]->width(), 452);
}

void frmColoredPictures::Form_Load()
{
    m_books->Clear();
    for (const QString &name : LibraryLayout::ListFolders(LibraryLayout::ColouredPicturesFolder(m_programFolder))) {
        if (!FileTitleOf(name).isEmpty())
            m_books->AddItem(FileTitleOf(name));
    }
    if (m_books->ListCount() >= 1)
        m_books->SetListIndex(QStringLiteral("0"));
}

QString frmColoredPictures::BookFolder(int index) const
{
    return QDir(LibraryLayout::ColouredPicturesFolder(m_programFolder)).filePath(m_books->List(index));
}

void frmColoredPictures::cBooks_Click()
{
    const int index = m_books->ListIndex().toInt();
    if (index < 0)
        return;
    const QString folder = BookFolder(index);
    if (QFileInfo(folder).isDir()) {
        ListColouredPictures(folder);
        return;
    }
    // The grid must not go on showing another book's pictures under this one's name.
    m_grid->clear();
    ShowParentMessage(this, QStringLiteral("'") + QDir::toNativeSeparators(folder) +
                                QStringLiteral("' could not be found. Please make sure that the directory exists "
                                               "and that it is not write protected."));
}

void frmColoredPictures::ListColouredPictures(const QString &folder)
{
    m_grid->ShowPictures(folder, ListColouredPictureFiles(folder));
}

void frmColoredPictures::cFunc_Click(int index)
{
    const QString tag = m_links[index]->Tag();
    if (tag == QLatin1String("close"))
        accept();
    else if (tag == QLatin1String("delete pictures"))
        DeletePictures();
}

void frmColoredPictures::paintEvent(QPaintEvent *)
{
    PaintManagementWindow(*this, 26);
}
