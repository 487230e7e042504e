// The grown-ups' buttons in the top-left corner. Each puts the child-facing
// gate in front of its function first.
#include "app/frm_main.h"

#include "app/palette_box.h"
#include "controls/picture_button.h"
#include "parental/frm_message.h"
#include "parental/frm_parental_options.h"

namespace {

struct GateTexts {
    const char *parent;
    const char *child;
};

constexpr GateTexts kQuitNeedingPermission = {
    "There was an attempt to quit Velmora. If you wish to allow this, please press OK to continue.",
    "Oh no!, something has happened when you tried to close me. Call someone who can help you!"};
constexpr GateTexts kQuitAllowed = {
    "There was an attempt to quit Velmora. If you wish to allow this, press OK.",
    "Are you sure you want to close this coloring book? Why don't you stay for a while?"};
constexpr GateTexts kSettings = {
    "There was an attempt to open the options screen. If you wish to allow this, please press OK to continue.",
    "Oh no!, something has happened. Call someone who can help you!"};

} // namespace

void FrmMain::ConnectFunctionButtons()
{
    for (int i = 0; i < int(pFunc.size()); ++i)
        connect(pFunc[i], &pButton::Click, this, [this, i] { pFunc_Click(i); });
}

bool FrmMain::Prompt(const char *parentText, const char *childText, bool passwordRequired)
{
    frmMessage gate(m_services.sounds, {Parental_Password, Parental_Password_Hint}, this);
    gate.SetExtendedInformation(QString::fromUtf8(parentText));
    gate.SetMessage(QString::fromUtf8(childText));
    gate.SetShowCancel(true);
    gate.SetPasswordVisible(passwordRequired);
    Timer1.stop();
    gate.exec();
    return gate.ButtonPressed() == QStringLiteral("Ok");
}

void FrmMain::pFunc_Click(int index)
{
    switch (index) {
    case 0: {
        const GateTexts &texts = QuitNeedsPermission ? kQuitNeedingPermission : kQuitAllowed;
        const bool confirmed = Prompt(texts.parent, texts.child, QuitNeedsPermission && Use_Parental_password);
        Timer1.start();
        if (confirmed)
            Form_Unload();
        return; // no common ending
    }
    case 4:
        if (Prompt(kSettings.parent, kSettings.child, Use_Parental_password)) {
            SaveColouredPicture();
            frmParentalOptions options(programFolder(), this);
            options.exec();
            if (options.Saved()) {
                setUpdatesEnabled(false);
                Form_Load();
                Tool = 0;
                setUpdatesEnabled(true);
            }
        }
        Timer1.start();
        break;
    default:
        break;
    }
    if (Tool != 3)
        Pc->setVisible(true);
}
