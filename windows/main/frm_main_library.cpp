// The library's management windows, reached from the settings window and from
// the picture browser's "more pictures".
#include "windows/main/frm_main.h"

#include "windows/browser/frm_open.h"
#include "windows/manage/frm_colored_pictures.h"
#include "windows/manage/frm_manage_pictures.h"
#include "windows/parental/frm_parental_options.h"

bool FrmMain::ShowManagePictures(QWidget *owner)
{
    frmManagePictures window(programFolder(), CurrentPicture(), owner);
    window.exec();
    return window.LibraryChanged();
}

void FrmMain::ShowColouredPictures(QWidget *owner)
{
    frmColoredPictures window(programFolder(), owner);
    window.exec();
}

// The browser, loaded already, is not running while the settings window is
// open: it is dropped so that its next showing lists the library as it is now.
void FrmMain::ConnectLibraryWindows(frmParentalOptions &options)
{
    options.openColoredPictures = [this, &options] {
        ShowColouredPictures(&options);
        m_browser.reset();
    };
    options.openManagePictures = [this, &options] {
        if (ShowManagePictures(&options))
            m_browser.reset();
    };
}
