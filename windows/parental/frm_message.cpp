#include "image/ratio_picture.h"
#include "windows/parental/frm_message.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>

#include "sound/sound_effects.h"
#include "controls/hand_cursor.h"
#include "controls/picture_button.h"
#include "controls/program_fonts.h"
#include "controls/twips.h"
#include "controls/window_edge.h"
#include "resources/resource_names.h"

namespace {

constexpr int kWidth = 470;
constexpr int kMargin = 18;
constexpr int kButtonGap = 7;
const QColor kChildInk(0x5A, 0x2D, 0x82);

QImage Face(int number)
{
    return ReadPictureForScreens(ResourceNames::Face(number));
}

pButton *MakeButton(QWidget *parent, int up, int down, int pressed = 0)
{
    auto *button = new pButton(parent);
    button->SetPicture(Face(up), Face(down), pressed ? Face(pressed) : QImage());
    button->MouseIcon(HandCursor());
    return button;
}

} // namespace

frmMessage::frmMessage(SoundEffects *sounds, ParentalPassword parental, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_sounds(sounds), m_parental(std::move(parental)),
      m_childText(new QLabel(QStringLiteral("[Message for the kids]"), this)),
      m_parentText(new QLabel(QStringLiteral("[Message for the parents]"), this)),
      m_passwordCaption(new QLabel(QStringLiteral("Please enter your password here:"), this)),
      m_password(new QLineEdit(this)), m_unfold(MakeButton(this, 127, 128, 129)), m_ok(MakeButton(this, 115, 116)),
      m_cancel(MakeButton(this, 114, 113))
{
    setWindowTitle(QStringLiteral("Message"));
    setModal(true);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
    setFixedWidth(kWidth);
    SetHeightTwips(kFoldedTwips);

    const int foldedHeight = TwipsToPixelsY(kFoldedTwips);
    const int okTop = foldedHeight - m_ok->height() - 12;
    m_childText->setFont(ChildFont(17, true));
    m_childText->setStyleSheet(QStringLiteral("color: %1;").arg(kChildInk.name()));
    m_childText->setWordWrap(true);
    m_childText->setGeometry(kMargin, 10, kWidth - 2 * kMargin, okTop - 14);

    m_unfold->move(kMargin, foldedHeight - m_unfold->height() - 14);
    m_unfold->hide();
    m_ok->move(0, okTop);
    m_cancel->move(0, okTop - 3);

    const int unfoldedHeight = TwipsToPixelsY(kUnfoldedTwips);
    m_parentText->setFont(ParentFont(9));
    m_parentText->setWordWrap(true);
    m_parentText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_parentText->setGeometry(kMargin, foldedHeight + 2, kWidth - 2 * kMargin, unfoldedHeight - foldedHeight - 6);

    m_passwordCaption->setFont(ParentFont(9, true));
    m_passwordCaption->adjustSize();
    const int passwordTop = unfoldedHeight + 2;
    m_passwordCaption->move(kMargin, passwordTop + 4);
    const int boxLeft = m_passwordCaption->x() + m_passwordCaption->width() + 5;
    m_password->setGeometry(boxLeft, passwordTop, kWidth - boxLeft - 10, 24);
    m_password->setEchoMode(QLineEdit::Password);
    // One filled circle per character, whatever the style would choose.
    m_password->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 9679; }"));
    PlaceButtons();

    connect(m_unfold, &pButton::Click, this, &frmMessage::ToggleUnfold);
    connect(m_ok, &pButton::Click, this, &frmMessage::PressOk);
    connect(m_cancel, &pButton::Click, this, &frmMessage::PressCancel);
    connect(m_password, &QLineEdit::returnPressed, this, &frmMessage::PressOk);

    if (m_sounds)
        m_sounds->PlayMessageOpened();
}

void frmMessage::SetMessage(const QString &message)
{
    m_childText->setText(message);
}

void frmMessage::SetExtendedInformation(const QString &information)
{
    m_parentText->setText(information);
    m_unfold->setVisible(!information.isEmpty());
}

void frmMessage::SetShowCancel(bool show)
{
    m_cancel->setVisible(show);
}

void frmMessage::SetPasswordVisible(bool required)
{
    m_passwordRequired = required;
}

QString frmMessage::ParentText() const
{
    return m_parentText->text();
}

QString frmMessage::ChildText() const
{
    return m_childText->text();
}

void frmMessage::SetHeightTwips(int twips)
{
    m_heightTwips = twips;
    const int height = TwipsToPixelsY(twips);
    setFixedHeight(height);
    // Grown or shrunk about its centre, in one request with the new size: a
    // window manager left to place the resized window may put it anywhere.
    if (isVisible())
        setGeometry(QRect(QPoint(0, 0), QSize(width(), height)).translated(CentredOver(QSize(width(), height))));
    update();
}

QPoint frmMessage::CentredOver(QSize size) const
{
    // Over the window it belongs to, or the screen: not every window manager
    // centres a frameless dialog, and a gate in a corner is easily missed.
    const QRect over = parentWidget() ? parentWidget()->window()->geometry() : screen()->geometry();
    return over.center() - QPoint(size.width() / 2, size.height() / 2);
}

void frmMessage::PlaceButtons()
{
    m_ok->move(kWidth - m_ok->width() - kButtonGap, m_ok->y());
    m_cancel->move(m_ok->x() - m_cancel->width() - kButtonGap, m_cancel->y());
}

void frmMessage::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    move(CentredOver(size()));
    PlaceButtons();
}

void frmMessage::ToggleUnfold()
{
    m_unfold->SetPressed(!m_unfold->Pressed());
    if (!m_unfold->Pressed())
        SetHeightTwips(kFoldedTwips);
    else
        SetHeightTwips(m_passwordRequired ? kPasswordTwips : kUnfoldedTwips);
}

void frmMessage::PressOk()
{
    if (m_passwordRequired && m_password->text() != m_parental.password) {
        if (m_heightTwips != kPasswordTwips) {
            // The first OK on a protected prompt shows the password row.
            SetHeightTwips(kPasswordTwips);
            m_unfold->SetPressed(true);
        } else if (!m_parental.hint.isEmpty()) {
            m_parentText->setText(
                QStringLiteral("The password you entered is incorrect. Your password hint is: '%1'.")
                    .arg(m_parental.hint));
        } else {
            m_parentText->setText(QStringLiteral("The password you entered is incorrect. Please enter the password "
                                                 "again or press nevermind to close this window."));
        }
        m_password->setFocus();
        return;
    }
    if (m_sounds)
        m_sounds->PlayMessageOk();
    m_buttonPressed = QStringLiteral("Ok");
    accept();
}

void frmMessage::PressCancel()
{
    m_buttonPressed = QStringLiteral("Cancel");
    if (m_sounds)
        m_sounds->PlayCancel();
    QDialog::reject();
}

void frmMessage::reject()
{
    // Escape works as Cancel, and only where there is a Cancel button.
    if (!m_cancel->isHidden())
        PressCancel();
}

void frmMessage::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    DrawWindowEdge(painter, *this);
}

namespace {

QString ShowGate(SoundEffects *sounds, const ParentalPassword &parental, QWidget *parent, const QString &childText,
                 const QString &parentText, bool showCancel, bool passwordRequired)
{
    frmMessage gate(sounds, parental, parent);
    gate.SetExtendedInformation(parentText);
    gate.SetMessage(childText);
    gate.SetShowCancel(showCancel);
    gate.SetPasswordVisible(passwordRequired);
    gate.exec();
    return gate.ButtonPressed();
}

} // namespace

bool AskGrownUp(SoundEffects *sounds, const ParentalPassword &parental, QWidget *parent, const QString &childText,
                const QString &parentText, bool passwordRequired)
{
    return ShowGate(sounds, parental, parent, childText, parentText, true, passwordRequired) == QStringLiteral("Ok");
}

void ShowNotice(SoundEffects *sounds, const ParentalPassword &parental, QWidget *parent, const QString &childText,
                const QString &parentText)
{
    ShowGate(sounds, parental, parent, childText, parentText, false, false);
}
