// Choosing the next picture in the picture browser.
#include "app/frm_main.h"

#include "canvas/sound_effects.h"
#include "controls/picture_button.h"
#include "library/browser/frm_open.h"

bool FrmMain::OpenFromBrowser()
{
    if (!m_browser) {
        BrowserServices services;
        services.programFolder = programFolder();
        services.sounds = m_services.sounds;
        services.parental = {Parental_Password, Parental_Password_Hint};
        services.useParentalPassword = Use_Parental_password;
        services.colouringTimer = &Timer1;
        services.colouringWindow = this;
        m_browser = std::make_unique<frmOpen>(std::move(services), this);
        if (!m_browser->Form_Load()) {
            m_browser.reset();
            Form_Unload();
            return false;
        }
    }
    m_browser->SelectedPicture.clear();
    m_browser->exec();
    const QString chosen = m_browser->SelectedPicture;
    if (m_browser->Unloaded())
        m_browser.reset();
    if (!chosen.isEmpty() && OpenPictureFile(chosen) && m_services.sounds)
        m_services.sounds->PlaySoundEffect(SoundKind::kNewPicture);
    return true;
}
