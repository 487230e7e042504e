#include "tools/contact_sheet/contact_sheet.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

constexpr int Margin = 16;
constexpr int Gap = 18;
constexpr int LineHeight = 15;
constexpr int TitleHeight = 34;

QFont LabelFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    return font;
}

QFont TitleFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(18);
    font.setBold(true);
    return font;
}

} // namespace

ContactSheet::ContactSheet(int width) : m_width(width) {}

void ContactSheet::addSection(const QString &title, const QString &note)
{
    m_sections.push_back({title, note, {}});
}

void ContactSheet::addItem(const QImage &picture, const QStringList &label)
{
    if (m_sections.empty())
        addSection(QString());
    m_sections.back().items.push_back({picture, label});
}

int ContactSheet::layout(QPainter *painter) const
{
    const QFontMetrics labelMetrics(LabelFont());
    int y = Margin;
    for (const Section &section : m_sections) {
        if (painter) {
            painter->fillRect(QRect(0, y, m_width, TitleHeight - 6), QColor(0x2D, 0x30, 0x47));
            painter->setPen(Qt::white);
            painter->setFont(TitleFont());
            const QString title = section.note.isEmpty() ? section.title
                                                         : section.title + QStringLiteral("   ") + section.note;
            painter->drawText(QRect(Margin, y, m_width - 2 * Margin, TitleHeight - 6), Qt::AlignVCenter, title);
        }
        y += TitleHeight;
        int x = Margin;
        int rowHeight = 0;
        for (const Item &item : section.items) {
            int labelWidth = 0;
            for (const QString &line : item.label)
                labelWidth = qMax(labelWidth, labelMetrics.horizontalAdvance(line));
            const int cellWidth = qMax(item.picture.width(), labelWidth);
            const int cellHeight = item.picture.height() + 4 + LineHeight * int(item.label.size());
            if (x > Margin && x + cellWidth > m_width - Margin) {
                x = Margin;
                y += rowHeight + Gap;
                rowHeight = 0;
            }
            if (painter) {
                painter->drawImage(x, y, item.picture);
                painter->setPen(QColor(0x30, 0x30, 0x30));
                painter->setFont(LabelFont());
                int lineY = y + item.picture.height() + 4;
                for (const QString &line : item.label) {
                    painter->drawText(QRect(x, lineY, cellWidth, LineHeight), Qt::AlignLeft | Qt::AlignVCenter, line);
                    lineY += LineHeight;
                }
            }
            x += cellWidth + Gap;
            rowHeight = qMax(rowHeight, cellHeight);
        }
        y += rowHeight + Gap;
    }
    return y + Margin;
}

QImage ContactSheet::render() const
{
    QImage sheet(m_width, layout(nullptr), QImage::Format_RGB32);
    sheet.fill(QColor(0xF5, 0xF5, 0xF0));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::TextAntialiasing);
    layout(&painter);
    return sheet;
}
