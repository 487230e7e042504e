#include "windows/parental/message_links.h"

#include "controls/hyperlink.h"
#include "controls/program_fonts.h"

HyperLink *MakeMessageLink(const QString &caption, QWidget *parent, const QColor &background)
{
    auto *link = new HyperLink(parent);
    link->SetBackColor(background);
    link->SetFont(ParentFont(11, true));
    link->SetForeColor(QColor(0x1F, 0x3A, 0x93));
    link->SetHoverForeColor(QColor(0x00, 0x66, 0xFF));
    link->SetUseHoverForeColor(true);
    link->SetUnderlineOnHover(true);
    link->SetCaption(caption);
    link->SetTag(caption);
    link->setFocusPolicy(Qt::StrongFocus);
    return link;
}
