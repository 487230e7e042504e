#include "windows/manage/frm_picture_pack.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "controls/common_dialog.h"
#include "controls/hyperlink.h"
#include "controls/program_fonts.h"
#include "controls/window_edge.h"
#include "windows/manage/picture_selection.h"
#include "library/pack/pack_create.h"
#include "windows/parental/frm_parent_message.h"
#include "windows/parental/message_links.h"

namespace {

constexpr int kWidth = 500;

QLabel *MakeText(const QString &text, const QFont &font, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFont(font);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

frmPicturePack::frmPicturePack(QWidget *parent, FileChooser *chooser)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_chooser(chooser),
      m_join(MakeMessageLink(QStringLiteral("Select files to put into the Picture Pack"), this, Qt::white)),
      m_close(MakeMessageLink(QStringLiteral("Close"), this, Qt::white))
{
    setWindowTitle(QStringLiteral("Picture Pack"));
    setModal(true);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(26, 22, 26, 16);
    layout->setSpacing(14);
    layout->addWidget(MakeText(QStringLiteral("This window allows you to create Picture Packs for Velmora."),
                               ParentFont(11, true), this));
    layout->addWidget(MakeText(
        QStringLiteral("Picture Packs are special files that contain several pictures within them.  The advantage of "
                       "a Picture Pack is that distributing pictures will be easier (only one file needs to be "
                       "distributed) and it will ease the process of installing new pictures (only one file needs "
                       "to be installed.)"),
        ParentFont(10), this));
    layout->addSpacing(4);
    layout->addWidget(m_join, 0, Qt::AlignLeft);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(m_close);
    layout->addLayout(bottom);

    connect(m_join, &HyperLink::Click, this, &frmPicturePack::lJoin_Click);
    connect(m_close, &HyperLink::Click, this, &QDialog::accept);
    setFixedWidth(kWidth);
    setFixedHeight(layout->totalHeightForWidth(kWidth));
}

void frmPicturePack::lJoin_Click()
{
    QString folder;
    QStringList names;
    if (!ChoosePictures(this, m_chooser, folder, names))
        return;

    SaveFileArgs target{.OverWritePrompt = true,
                        .Filter = QStringLiteral("Velmora Picture Pack|*.vpk"),
                        .FilterIndex = 1,
                        .DlgTitle = QStringLiteral("Select where you would like to save the Picture Pack."),
                        .Owner = this};
    if (!GCommonDialog(m_chooser).VBGetSaveFileName(target))
        return;
    ShowParentMessage(this, CreatePack(folder, names, target.Filename).message);
}

void frmPicturePack::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    DrawWindowEdge(painter, *this);
}
