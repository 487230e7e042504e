// The options window: its controls and their look.
#include "windows/parental/frm_parental_options.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>

#include "controls/hyperlink.h"
#include "controls/program_fonts.h"
#include "controls/window_edge.h"
#include "image/ratio_picture.h"
#include "windows/parental/message_links.h"

namespace {

constexpr QSize kWindowSize(560, 440);

QCheckBox *MakeCheckBox(const QString &caption, const QString &toolTip, QWidget *parent, QPoint at)
{
    auto *box = new QCheckBox(caption, parent);
    box->setToolTip(toolTip);
    box->setFont(ParentFont(10));
    box->move(at);
    box->adjustSize();
    return box;
}

QLineEdit *MakeTextBox(const QString &toolTip, QWidget *parent, QRect at)
{
    auto *box = new QLineEdit(parent);
    box->setToolTip(toolTip);
    box->setFont(ParentFont(10));
    box->setGeometry(at);
    return box;
}

} // namespace

frmParentalOptions::frmParentalOptions(const QString &programFolder, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_programFolder(programFolder),
      m_background(ReadPictureForScreens(QStringLiteral(":/backgrounds/options.png")))
{
    setWindowTitle(QStringLiteral("Options"));
    setModal(true);
    setFixedSize(kWindowSize);
    BuildControls();
    Load();
}

void frmParentalOptions::BuildControls()
{
    const QString passwordTip = QStringLiteral("A password is required when unlocking locked items, please enter it "
                                               "here if you wish to change the current password.");
    m_playSounds = MakeCheckBox(QStringLiteral("Play sounds"), QStringLiteral("Disable/enable sound effects."), this,
                                {56, 70});
    m_quitWithoutPermission = MakeCheckBox(
        QStringLiteral("Allow quitting without permission"),
        QStringLiteral("If you leave this option unchecked, a password will have to be entered to quit Velmora."), this,
        {56, 100});
    m_autoHide = MakeCheckBox(QStringLiteral("Auto-hide parental buttons"),
                              QStringLiteral(" Ticking this box will cause Velmora to hide the quit, save, print, "
                                             "help, settings and gallery options when they are not in use."),
                              this, {56, 130});
    m_usePassword = MakeCheckBox(QStringLiteral("Use parental password"),
                                 QStringLiteral("Ticking this box will prevent children from accessing features such "
                                                "as printing and saving."),
                                 this, {56, 160});
    // A value of 2 in the file shows greyed, as it was written; once the grown-up
    // clicks the box it is an ordinary two-state box again.
    for (QCheckBox *box : {m_playSounds, m_quitWithoutPermission, m_autoHide, m_usePassword})
        connect(box, &QCheckBox::clicked, box, [box] { box->setTristate(false); });

    m_passwordLabel = new QLabel(QStringLiteral("Parental password:"), this);
    m_passwordLabel->setToolTip(passwordTip);
    m_passwordLabel->setGeometry(80, 196, 140, 26);
    m_password = MakeTextBox(passwordTip, this, {224, 196, 280, 26});
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 9679; }"));
    const QString hintTip = QStringLiteral("If you ever forget your password, you can use the hint below to remind you!");
    m_hintLabel = new QLabel(QStringLiteral("Password hint:"), this);
    m_hintLabel->setToolTip(hintTip);
    m_hintLabel->setGeometry(80, 230, 140, 26);
    m_hint = MakeTextBox(QStringLiteral("If you ever forget your password, you can use the hint to remind you!"), this,
                         {224, 230, 280, 26});
    for (QLabel *label : {m_passwordLabel, m_hintLabel})
        label->setFont(ParentFont(10));

    auto *speedFrame = new QGroupBox(QStringLiteral(" Bubble speed"), this);
    speedFrame->setToolTip(QStringLiteral("Set the speed of the color bubbles."));
    speedFrame->setFont(ParentFont(10, true));
    speedFrame->setGeometry(56, 272, 320, 58);
    auto *speedRow = new QHBoxLayout(speedFrame);
    auto *speeds = new QButtonGroup(this);
    const QString speedNames[3] = {QStringLiteral("Fast"), QStringLiteral("Medium"), QStringLiteral("Slow")};
    for (int i = 0; i < 3; ++i) {
        m_speed[i] = new QRadioButton(speedNames[i], speedFrame);
        m_speed[i]->setFont(ParentFont(10));
        speeds->addButton(m_speed[i], i);
        speedRow->addWidget(m_speed[i]);
    }
    // Design values: sounds on, password in use, medium speed.
    m_speed[1]->setChecked(true);
    m_playSounds->setCheckState(Qt::Checked);
    m_usePassword->setCheckState(Qt::Checked);

    const QString linkCaptions[4] = {QStringLiteral("Cancel"), QStringLiteral("Continue"),
                                     QStringLiteral("Manage colored pages"),
                                     QStringLiteral("Add/remove coloring pages and books")};
    const QPoint linkPlaces[4] = {{340, 392}, {432, 392}, {56, 340}, {56, 366}};
    for (int i = 0; i < 4; ++i) {
        m_links[i] = MakeMessageLink(linkCaptions[i], this);
        m_links[i]->move(linkPlaces[i]);
        connect(m_links[i], &HyperLink::Click, this, [this, i] { cFunc_Click(i); });
    }
    connect(m_usePassword, &QCheckBox::stateChanged, this, &frmParentalOptions::Check3_Click);
}

void frmParentalOptions::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform); // a sharper picture brought to this screen's scale
    if (!m_background.isNull())
        painter.drawImage(rect(), m_background);
    else
        painter.fillRect(rect(), QColor(0xEA, 0xF6, 0xFF));
    painter.setFont(ParentFont(16, true));
    painter.setPen(QColor(0x1F, 0x3A, 0x93));
    painter.drawText(QRect(56, 22, width() - 64, 36), Qt::AlignLeft | Qt::AlignVCenter, windowTitle());
    DrawWindowEdge(painter, *this);
}

void frmParentalOptions::Check3_Click()
{
    const bool enabled = m_usePassword->checkState() != Qt::Unchecked;
    for (QWidget *control : std::initializer_list<QWidget *>{m_quitWithoutPermission, m_password, m_hint,
                                                             m_passwordLabel, m_hintLabel})
        control->setEnabled(enabled);
    const QString background = enabled ? QStringLiteral("#FFFFFF") : QStringLiteral("#C0C0C0");
    for (QLineEdit *box : {m_password, m_hint}) {
        QPalette colours = box->palette();
        colours.setColor(QPalette::Base, QColor(background));
        box->setPalette(colours);
    }
}
