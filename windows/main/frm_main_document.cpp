// The picture being coloured: choosing it in the picture browser, opening it
// with its earlier colouring, saving the colouring, and clearing it.
#include "windows/main/frm_main.h"

#include <QApplication>
#include <QDir>

#include "windows/colouring/canvas_view.h"
#include "windows/colouring/colour_frame_view.h"
#include "windows/colouring/palette_box.h"
#include "sound/sound_effects.h"
#include "controls/picture_button.h"
#include "windows/browser/frm_open.h"
#include "windows/parental/frm_message.h"

namespace {

constexpr const char *kClearParentText =
    "There was an attempt to clear out all the colors in the picture. If you click OK, all changes to the picture "
    "will be lost and you will be left with a black and white image.";
constexpr const char *kClearChildText =
    "Would you like to get rid of all the colors? If you don't, call someone who can help you! Or press never mind";

} // namespace

void FrmMain::OpenCommand()
{
    PlayClick();
    SaveColouredPicture();
    Timer1.stop();
    SetToolCursor(m_canvasCursor, P, Tool, true);
    QString chosen;
    if (!AskPictureBrowser(chosen))
        return; // the library could not be loaded: the run has ended
    SetToolCursor(m_canvasCursor, P, Tool, false);
    Timer1.start();
    Pc->setVisible(true);
    if (chosen.isEmpty())
        return; // closed without a choice: the picture stays
    if (!OpenPictureFile(chosen))
        ShowPictureError(DamagedPicture, chosen);
}

bool FrmMain::AskPictureBrowser(QString &chosen)
{
    for (;;) {
        if (!m_browser) {
            BrowserServices services;
            services.programFolder = programFolder();
            services.sounds = m_services.sounds;
            services.settings = &Settings;
            services.colouringTimer = &Timer1;
            services.colouringWindow = this;
            // The browser has unloaded itself by then.
            services.managePictures = [this] {
                m_libraryManagedFromBrowser = true;
                ShowManagePictures(this);
            };
            m_browser = std::make_unique<frmOpen>(std::move(services), this);
            if (!m_browser->Form_Load()) {
                m_browser.reset();
                Form_Unload();
                return false;
            }
        }
        m_libraryManagedFromBrowser = false;
        m_browser->SelectedPicture.clear();
        m_browser->exec();
        chosen = m_browser->SelectedPicture;
        if (m_browser->Unloaded())
            m_browser.reset(); // loaded afresh next time, with what changed in the library
        // Pictures were just added for the child: back to the browser, to choose one.
        if (!m_libraryManagedFromBrowser || !chosen.isEmpty())
            return true;
    }
}

bool FrmMain::OpenPictureFile(const QString &fileName)
{
    QString error;
    if (!m_document.Open(fileName, error)) {
        qWarning("velmora: %s", qPrintable(error));
        return false;
    }
    P->ShowNewPicture();
    for (pButton *button : pTool)
        button->SetEnabled(true);
    pTool[Tool]->SetPressed(true);
    c[1]->SetEnabled(true);
    c[3]->SetEnabled(true);
    c[3]->SetPressed(c[3]->Pressed());
    c[2]->SetEnabled(false);
    P->show();
    PlaceCanvas();
    PB->SetColour(PB->Colour());
    SetToolCursor(m_canvasCursor, P, Tool, false);
    if (m_services.sounds)
        m_services.sounds->PlaySoundEffect(SoundKind::kNewPicture);
    LayOut();
    return true;
}

namespace {

// How soon after a change the colouring is saved: counted from the first
// change not saved yet, so that a child who colours on and on without a pause
// still has every stroke on disk within moments.
constexpr int kSaveDelayMs = 1500;

} // namespace

void FrmMain::SaveColouredPicture()
{
    m_saveTimer.stop();
    m_saveAfterStroke = false;
    m_namedSaveRunning = true;
    m_saver.WaitForIdle(); // never racing a save in progress
    m_namedSaveRunning = false;
    if (!m_document.NeedsSaving())
        return; // what the coloured file holds is what the canvas shows
    const DocumentSaveResult saved = m_document.Save();
    if (!saved.ok())
        TellSaveFailed(CurrentPicture(), saved.error);
}

void FrmMain::ConnectBackgroundSaves()
{
    m_saveTimer.setSingleShot(true);
    m_saveTimer.setInterval(kSaveDelayMs);
    connect(&m_saveTimer, &QTimer::timeout, this, &FrmMain::SaveInBackground);
    connect(&m_saver, &BackgroundSaver::Finished, this, &FrmMain::OnBackgroundSaveFinished);
}

void FrmMain::SaveSoon()
{
    if (m_unloaded)
        return;
    if (m_saveAfterStroke) {
        m_saveAfterStroke = false;
        SaveInBackground();
    } else if (!m_saveTimer.isActive()) {
        m_saveTimer.start();
    }
}

void FrmMain::SaveInBackground()
{
    if (m_unloaded)
        return;
    // A grown-up's window may be deleting or replacing this very picture: the
    // save waits until the colouring window is in front again.
    if (QApplication::activeModalWidget()) {
        m_saveTimer.start();
        return;
    }
    // Never in the middle of a stroke: copying the canvas would stall it.
    if (m_document.Engine().IsStroking()) {
        m_saveAfterStroke = true;
        return;
    }
    if (std::optional<ColouringDocument::Snapshot> snapshot = m_document.SnapshotForSaving())
        m_saver.Start(std::move(*snapshot));
}

void FrmMain::OnBackgroundSaveFinished(const QString &picturePath, quint64 version, const DocumentSaveResult &result)
{
    if (result.ok()) {
        m_document.Saved(picturePath, version);
        m_backgroundFailureTold = false;
        return;
    }
    // Told once, not at every stroke; a save of its own tells again.
    if (m_namedSaveRunning || m_backgroundFailureTold)
        return;
    m_backgroundFailureTold = true;
    TellSaveFailed(picturePath, result.error);
}

void FrmMain::TellSaveFailed(const QString &picturePath, const QString &error)
{
    // The previous colouring stays on disk as it was; a grown-up must hear
    // that this one is not kept, or it is lost when the program ends.
    qWarning("velmora: the colouring of %s could not be saved: %s", qPrintable(picturePath), qPrintable(error));
    ShowNoticeOverColouring(
        QStringLiteral("Oh no! Your colors could not be kept! Call someone who can help you!"),
        QStringLiteral("The colors of the picture '%1' could not be saved (%2). Please make sure that the disk is "
                       "not write protected and that there is enough disk space. The colors saved before are "
                       "unchanged.")
            .arg(QDir::toNativeSeparators(picturePath), error));
}

void FrmMain::ClearCommand()
{
    PlayClick();
    if (Prompt(kClearParentText, kClearChildText, false)) {
        SaveColouredPicture();
        P->ShowNewPicture(m_document.Clear());
        c[2]->SetEnabled(false);
        SaveSoon();
    }
    Timer1.start();
    Pc->setVisible(true);
}

void FrmMain::ShowPictureError(PictureErrorKind kind, const QString &path)
{
    if (kind == PrintFileFailed) {
        ShowNoticeOverColouring(
            QStringLiteral("Oh no! Your picture could not be printed. Call someone for help!"),
            QStringLiteral("Before printing, a temporary file has to be created in the application directory. This "
                           "was not possible. Please make sure there is enough space in the disk and that the disk "
                           "is not write protected."));
        return;
    }
    ShowNoticeOverColouring(
        QStringLiteral("Oops, the picture you choose appears to be have something wrong with it, call someone "
                       "who can help you fix it!"),
        QStringLiteral("The picture '%1' appears to be damaged or it no longer exists.")
            .arg(QDir::toNativeSeparators(path)));
}

void FrmMain::ShowNoticeOverColouring(const QString &childText, const QString &parentText)
{
    const bool timerWasActive = Timer1.isActive();
    Timer1.stop();
    ShowNotice(m_services.sounds, Settings.Parental(), this, childText, parentText);
    if (timerWasActive)
        Timer1.start();
}

void FrmMain::PlayClick()
{
    if (m_services.sounds)
        m_services.sounds->PlaySoundEffect(SoundKind::kClick);
}
