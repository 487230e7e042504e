// The grown-ups' buttons in the top-left corner. Each puts the child-facing
// gate in front of its function first.
#include "windows/main/frm_main.h"

#include <QApplication>

#include "windows/colouring/canvas_view.h"
#include "windows/colouring/palette_box.h"
#include "controls/picture_button.h"
#include "windows/parental/frm_message.h"
#include "windows/parental/frm_parental_options.h"
#include "windows/splash/frm_splash.h"

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
constexpr GateTexts kSaveAs = {
    "There was an attempt to save the current picture. If you wish to allow this, please press OK to continue.",
    "Oh no!, something happened when you tried to save your picture. Call someone who can help you!"};
constexpr GateTexts kPrint = {
    "There was an attempt to print the current picture. If you wish to allow this, please press OK to continue.",
    "Oh no!, something happened when you tried to print your picture. Call someone who can help you!"};
constexpr GateTexts kAbout = {"There was an attempt to view the About box. If you wish to allow this, please press OK.",
                              "Oh no!, something has happened. Call someone who can help you!"};
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
    Timer1.stop();
    return AskGrownUp(m_services.sounds, Settings.Parental(), this, QString::fromUtf8(childText),
                      QString::fromUtf8(parentText), passwordRequired);
}

void FrmMain::QuitCommand()
{
    if (m_unloaded)
        return;
    const GateTexts &texts = Settings.QuitNeedsPermission ? kQuitNeedingPermission : kQuitAllowed;
    const bool confirmed =
        Prompt(texts.parent, texts.child, Settings.QuitNeedsPermission && Settings.Use_Parental_password);
    Timer1.start();
    if (confirmed)
        Form_Unload();
}

void FrmMain::EndSession()
{
    Form_Unload();
    // Open dialogs take this as their Cancel, so their loops end too.
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

void FrmMain::pFunc_Click(int index)
{
    switch (index) {
    case 0:
        QuitCommand();
        return; // no common ending
    case 1:
        if (!Prompt(kSaveAs.parent, kSaveAs.child, Settings.Use_Parental_password)) {
            Timer1.start();
            break;
        }
        if (SavePictureAs())
            return; // saved: no common ending
        break;
    case 2:
        if (!Prompt(kPrint.parent, kPrint.child, Settings.Use_Parental_password)) {
            Timer1.start();
            return; // no common ending
        }
        PrintPicture();
        break;
    case 3:
        if (Prompt(kAbout.parent, kAbout.child, Settings.Use_Parental_password)) {
            SetToolCursor(m_canvasCursor, P, Tool, true);
            frmSplash about(&Timer1, programFolder(), this);
            about.setForm_style(0);
            about.exec();
            SetToolCursor(m_canvasCursor, P, Tool, false);
        }
        Timer1.start();
        break;
    case 4:
        if (Prompt(kSettings.parent, kSettings.child, Settings.Use_Parental_password))
            ChangeSettings();
        Timer1.start();
        SetToolCursor(m_canvasCursor, P, Tool, false);
        break;
    default:
        break;
    }
    if (PaletteShownWith(Tool))
        Pc->setVisible(true);
}

// The settings window; when new settings were saved, the window takes them up
// at once, back on the crayon.
void FrmMain::ChangeSettings()
{
    SaveColouredPicture();
    SetToolCursor(m_canvasCursor, P, Tool, true);
    frmParentalOptions options(programFolder(), this);
    ConnectLibraryWindows(options);
    options.exec();
    if (!options.Saved())
        return;
    setUpdatesEnabled(false);
    Form_Load();
    Tool = kCrayon;
    m_document.Engine().SetTool(kCrayon);
    if (P->isVisible()) {
        for (pButton *button : c)
            button->SetEnabled(true);
        c[2]->SetEnabled(m_document.Engine().CanUndo());
        for (pButton *button : pTool) {
            button->SetEnabled(true);
            button->SetPressed(false);
        }
        pTool[0]->SetPressed(true);
        // 60 here, not the 120 the crazy-colours button itself sets.
        ColourJitterRange = c[3]->Pressed() ? 60 : 10;
        m_document.Engine().SetColourJitter(ColourJitterRange);
    }
    setUpdatesEnabled(true);
}
