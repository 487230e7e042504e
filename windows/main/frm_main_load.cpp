// The colouring window's start-up passes and its shutdown.
#include "image/ratio_picture.h"
#include "windows/main/frm_main.h"

#include <QDir>
#include <QScreen>

#include "windows/colouring/canvas_view.h"
#include "windows/colouring/palette_box.h"
#include "platform/system_session.h"
#include "sound/sound_effects.h"
#include "controls/hand_cursor.h"
#include "controls/picture_button.h"
#include "core/case_insensitive_path.h"
#include "windows/parental/frm_parent_message.h"
#include "windows/parental/frm_parental_options.h"
#include "parental/settings_file.h"
#include "resources/resource_names.h"

namespace {

struct FaceSet {
    int up, down, pressed; // pressed 0: none
    const char *toolTip;
};

constexpr FaceSet kPictureButtons[4] = {{102, 101, 0, "Open a picture to paint"},
                                        {146, 147, 0, "Clear out all colors!"},
                                        {110, 109, 0, "Undo"},
                                        {130, 131, 132, "Choose between crazy colors and normal colors!"}};
constexpr const char *kFunctionFaces[5][2] = {{"func-quit", "Click here to quit Velmora"},
                                              {"func-save", "Save picture as..."},
                                              {"func-print", "Print the picture"},
                                              {"func-about", "About/Help"},
                                              {"func-settings", "Settings"}};

QImage Face(int number)
{
    return number ? ReadPictureForScreens(ResourceNames::Face(number)) : QImage();
}

void Dress(pButton *button, const FaceSet &faces)
{
    button->SetPicture(Face(faces.up), Face(faces.down), Face(faces.pressed));
    button->SetToolText(QString::fromLatin1(faces.toolTip));
}

} // namespace

bool FrmMain::Form_Load()
{
    const bool firstPass = !Loaded;
    if (!CheckDisplay())
        return false;
    if (firstPass) {
        FontSmoothingWasOn = m_services.session->GetFontSmoothing();
        m_services.session->EnableClearType(kClearTypeSmoothing);
    }

    m_document.Engine().SetTool(kCrayon);
    m_document.Engine().SetCurrentColour({0, 0, 0});

    if (!ReadSettings()) {
        Form_Unload();
        return false;
    }
    QDir().mkpath(FindIgnoringCase(programFolder(), QStringLiteral("colored pictures")));

    for (pButton *button : pFunc)
        button->setVisible(!Settings.AutoHideButtons);
    LoadButtonFaces();

    if (firstPass)
        Pc->Build(Settings.BubbleSpeed);
    else
        Pc->SetBubbleSpeed(Settings.BubbleSpeed);

    if (firstPass) {
        Loaded = true;
        ShowOverScreen();
        m_services.session->InstallKeyboardFilter();
        // The picture browser will open here; until then the palette starts moving at once.
        Timer1.start();
    } else {
        Pc->setVisible(PaletteShownWith(Tool));
        ShowOverScreen();
    }
    LayOut();
    return true;
}

bool FrmMain::CheckDisplay()
{
    switch (::CheckDisplay(m_services.session->Display())) {
    case DisplayVerdict::Refuse:
        ShowParentMessage(nullptr, DisplayRefusedMessage());
        if (Loaded)
            Form_Unload();
        return false;
    case DisplayVerdict::AskToContinue:
        // Asked once, on the first pass only.
        return Loaded || !ShowParentMessage(nullptr, DisplayRecommendationQuestion(), true);
    case DisplayVerdict::Fine:
        break;
    }
    return true;
}

// Reads the settings into the window; when they cannot be read, the grown-up
// writes new ones in the options window and they are read once more.
bool FrmMain::ReadSettings()
{
    const auto read = [this] {
        // Lines after a fault keep the values of the last pass.
        Settings.Play_Sound = Play_Sound();
        const bool ok = ReadMainWindowSettings(SettingsFilePath(programFolder()), Settings);
        if (m_services.sounds)
            m_services.sounds->SetPlay_Sound(Settings.Play_Sound);
        return ok;
    };
    if (read())
        return true;
    frmParentalOptions options(programFolder(), isVisible() ? this : nullptr);
    ConnectLibraryWindows(options);
    options.exec();
    if (!options.Saved())
        return false;
    if (read())
        return true;
    ShowParentMessage(nullptr, QStringLiteral("Velmora was unable to create a settings file. This is an serious error "
                                              "and program cannot continue. Make sure that the disk you are using is "
                                              "not write protected."));
    return false;
}

void FrmMain::LoadButtonFaces()
{
    for (int i = 0; i < 4; ++i)
        Dress(c[i], kPictureButtons[i]);
    for (int i = 0; i < kToolCount; ++i) {
        const ColouringTool &tool = kColouringTools[std::size_t(i)];
        Dress(pTool[i], {tool.restFace, tool.downFace, tool.latchedFace, tool.toolTip});
    }
    for (int i = 0; i < 5; ++i) {
        pFunc[i]->SetPicture(ReadPictureForScreens(ResourceNames::NamedFace(QString::fromLatin1(kFunctionFaces[i][0]))));
        pFunc[i]->SetToolText(QString::fromLatin1(kFunctionFaces[i][1]));
    }
    c[1]->SetEnabled(false);
    c[2]->SetEnabled(false);
    c[3]->SetPressed(false);
    c[3]->SetEnabled(false);
    ColourJitterRange = 10;
    m_document.Engine().SetColourJitter(ColourJitterRange); // the strokes follow the released button
    Timer1.stop();
    pTool[0]->SetPressed(true);
    pTool[0]->SetEnabled(false);

    const QCursor hand = HandCursor();
    for (pButton *button : c)
        button->MouseIcon(hand);
    for (pButton *button : pTool)
        button->MouseIcon(hand);
    for (pButton *button : pFunc)
        button->MouseIcon(hand);
    Pc->setCursor(hand);
}

void FrmMain::ShowOverScreen()
{
    if (m_services.windowed) {
        if (!isVisible())
            resize(1024, 768);
        show();
        return;
    }
    // Without a window manager the full-screen request alone changes nothing,
    // so the window also takes the whole screen's geometry itself.
    if (const QScreen *screen = this->screen())
        setGeometry(screen->geometry());
    showFullScreen();
}

void FrmMain::Form_Unload()
{
    ReleaseRun();
    close();
}

// Puts back what the run changed; once, however the window goes.
void FrmMain::ReleaseRun()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    SaveColouredPicture(); // however the run ends, the colouring is kept
    tMusic.stop();
    Timer1.stop();
    if (m_services.session->KeyboardFilterInstalled())
        m_services.session->RemoveKeyboardFilter();
    if (!FontSmoothingWasOn && m_services.session->GetFontSmoothing())
        m_services.session->DisableFontSmoothing();
    m_canvasCursor.Destroy();
}
