// The management window: its controls, their look and the book list.
#include "windows/manage/frm_manage_pictures.h"

#include <QFileInfo>
#include <QLabel>

#include "controls/combo.h"
#include "controls/hyperlink.h"
#include "controls/program_fonts.h"
#include "library/library_files.h"
#include "library/library_layout.h"
#include "windows/manage/thumbnail_grid.h"
#include "windows/manage/window_look.h"
#include "windows/parental/frm_parent_message.h"
#include "windows/parental/message_links.h"

namespace {

// Fits an 800 x 600 screen with room to spare round it.
constexpr QSize kWindowSize(780, 580);
constexpr int kActionsLeft = 516;
constexpr int kActionsWidth = 244;

struct Action {
    const char *key;
    const char *caption;
    int top;
};

// Each link is told apart by its key, whatever its caption.
const Action kActions[] = {
    {"add book", "Create a new book", 104},
    {"remove book", "Delete this book", 190},
    {"add pictures", "Add pictures to this book", 222},
    {"delete pictures", "Delete selected picture(s)", 254},
    {"import picture pack", "Import a Picture Pack", 298},
    {"create picture pack", "Create a Picture Pack", 406},
    {"close", "Close", 536},
};

QLabel *MakeExplanation(const QString &text, QWidget *parent, int top, int height)
{
    auto *label = new QLabel(text, parent);
    label->setFont(ParentFont(9));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setStyleSheet(QStringLiteral("color: #33415C;"));
    label->setGeometry(kActionsLeft + 4, top, kActionsWidth - 8, height);
    return label;
}

} // namespace

frmManagePictures::frmManagePictures(const QString &programFolder, const QString &openPicture, QWidget *parent,
                                     FileChooser *chooser)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_programFolder(programFolder),
      m_openPicture(openPicture), m_chooser(chooser)
{
    setWindowTitle(QStringLiteral("Manage pictures"));
    setModal(true);
    setFixedSize(kWindowSize);
    setAutoFillBackground(false);
    BuildControls();
    Form_Load();
}

void frmManagePictures::BuildControls()
{
    auto *selectBook = new QLabel(QStringLiteral("Select a book:"), this);
    selectBook->setFont(ParentFont(10, true));
    selectBook->setGeometry(24, 66, 120, 28);

    m_books = new Combo(this);
    m_books->SetTextLocked(true);
    m_books->SetFont(ParentFont(10).family(), 11);
    m_books->setGeometry(146, 64, 350, 30);
    connect(m_books, &Combo::Click, this, &frmManagePictures::cBooks_Click);

    m_grid = new ThumbnailGrid(this);
    m_grid->setGeometry(24, 104, 480, 452);

    for (const Action &action : kActions) {
        HyperLink *link = MakeMessageLink(QString::fromLatin1(action.caption), this);
        link->SetTag(QString::fromLatin1(action.key));
        link->move(kActionsLeft, action.top);
        connect(link, &HyperLink::Click, this, [this, link] { cFunc_Click(link->Tag()); });
        m_links.insert(link->Tag(), link);
    }
    m_links.value(QStringLiteral("close"))->move(width() - 24 - m_links.value(QStringLiteral("close"))->width(), 536);

    MakeExplanation(QStringLiteral("Add a new book to Velmora.  You can then add pictures to the book."), this, 130,
                    48);
    MakeExplanation(QStringLiteral("You can add pre-packaged pictures to Velmora (Picture Packs).  The picture pack "
                                   "has a vpk extension and you can download some from Velmora website."),
                    this, 324, 72);
    MakeExplanation(QStringLiteral("A Picture Pack is a file that contains multiple pictures for use in Velmora.  You "
                                   "can create one if you want to deal with a single file (rather than multiple "
                                   "pictures) so that the process of installing pictures is easier."),
                    this, 432, 96);
}

void frmManagePictures::Form_Load()
{
    m_books->Clear();
    for (const QString &book : LibraryLayout::ListFolders(LibraryLayout::BooksFolder(m_programFolder)))
        m_books->AddItem(FileTitleOf(book));
    if (m_books->ListCount() > 0)
        SelectBook(0);
}

void frmManagePictures::paintEvent(QPaintEvent *)
{
    PaintManagementWindow(*this, 24);
}

QString frmManagePictures::SelectedBook() const
{
    const int index = m_books->ListIndex().toInt();
    return index >= 0 ? m_books->List(index) : QString();
}

QString frmManagePictures::BookFolder(const QString &book) const
{
    return LibraryLayout::BooksFolder(m_programFolder) + QLatin1Char('/') + book;
}

void frmManagePictures::SelectBook(int index)
{
    m_books->SetListIndex(QString::number(index));
}

void frmManagePictures::cBooks_Click()
{
    const QString book = SelectedBook();
    if (book.isEmpty())
        return;
    const QString folder = BookFolder(book);
    if (QFileInfo(folder).isDir()) {
        LoadThumbnails(folder);
    } else {
        m_grid->clear();
        ShowParentMessage(this, QStringLiteral("'%1' could not be found. Please make sure that the directory exists "
                                               "and that it is not write protected.")
                                    .arg(folder));
    }
}

void frmManagePictures::LoadThumbnails(const QString &folder)
{
    m_grid->ShowPictures(folder, LibraryLayout::ListPictures(folder));
}
