#include "app/frm_main.h"

#include <QLinearGradient>
#include <QPainter>

FrmMain::FrmMain(const QString &programFolder, QWidget *parent)
    : QWidget(parent), m_programFolder(programFolder)
{
    setWindowTitle(QStringLiteral("Velmora"));
    setMinimumSize(800, 600);
}

void FrmMain::paintEvent(QPaintEvent *)
{
    // A soft sky behind everything, so the window never shows bare grey.
    QPainter painter(this);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0.0, QColor(0x8E, 0xD1, 0xFC));
    sky.setColorAt(1.0, QColor(0xFF, 0xF4, 0xC2));
    painter.fillRect(rect(), sky);
}
