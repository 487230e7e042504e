// The picture browser's bottom buttons: close, a new own picture, more pictures.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "sound/sound_effects.h"
#include "image/bitmap_file.h"
#include "windows/browser/frm_open.h"
#include "library/library_layout.h"
#include "windows/parental/frm_parent_message.h"

namespace {

// A new own picture: a blank white page the size the browser's page was designed at.
constexpr QSize kOwnPictureSize(750, 480);

bool SaveBlankPage(const QString &path)
{
    return SaveBitmapFile(path, WhitePage(kOwnPictureSize)).ok();
}

} // namespace

const MainWindowSettings &frmOpen::CurrentSettings() const
{
    static const MainWindowSettings kNone;
    return m_services.settings ? *m_services.settings : kNone;
}

void frmOpen::cClose_Click()
{
    if (m_services.sounds)
        m_services.sounds->PlayCancel();
    m_glideTimer.stop();
    done(QDialog::Rejected);
}

// Escape closes the window the same way as its close button.
void frmOpen::reject()
{
    cClose_Click();
}

void frmOpen::cPicadd_Click()
{
    const QString folder = LibraryLayout::OwnPicturesFolder(m_services.programFolder);
    const QString path = LibraryLayout::NextOwnPicturePath(folder);
    if (!QDir().mkpath(folder) || !SaveBlankPage(path)) {
        ShowNotice(m_services.sounds, CurrentSettings().Parental(), this,
                   QStringLiteral("Help! A new picture could not be started! Call someone who can help you sort it "
                                  "out! Go!"),
                   QStringLiteral("An unknown error occurred when there was an attempt to start drawing a new picture. "
                                  "Please make sure that the disk is not write protected and that there is enough "
                                  "disk space."));
        return;
    }
    // Chosen at once; the next opening loads the library again and lists it.
    SelectedPicture = path;
    Unload();
}

void frmOpen::pMorePics_Click()
{
    if (m_services.sounds)
        m_services.sounds->PlayCancel();
    if (!AskGrownUp(m_services.sounds, CurrentSettings().Parental(), this,
                    QStringLiteral("Would you like more pictures? Call someone who can get them for you!"),
                    QStringLiteral("You or your child has asked for more pictures to be added to Velmora. If you "
                                   "wish to allow this, please press OK to continue."),
                    CurrentSettings().Use_Parental_password))
        return;

    QCoreApplication::processEvents();
    Unload();
    QCoreApplication::processEvents();
    if (QFileInfo(LibraryLayout::BooksFolder(m_services.programFolder)).isDir()) {
        if (m_services.managePictures)
            m_services.managePictures();
    } else {
        ShowParentMessage(parentWidget(), QStringLiteral("Could not find the books path. Please reinstall Velmora!"));
    }
}
