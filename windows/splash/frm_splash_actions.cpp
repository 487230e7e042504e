// The about window's links: help, the web site and the licence agreement.
#include "windows/splash/frm_splash.h"

#include <QDir>
#include <QFileInfo>

#include "windows/parental/frm_parent_message.h"
#include "windows/splash/open_page.h"

bool frmSplash::Open(const QString &target) const
{
    const QUrl url = PageUrl(target);
    // A launcher only says that it started, not that the page was there to show.
    if (url.isLocalFile() && !QFileInfo(url.toLocalFile()).isFile())
        return false;
    return m_opener(url);
}

void frmSplash::Command1_Click()
{
    accept();
}

void frmSplash::Command2_Click()
{
    const QString page = m_programFolder + QStringLiteral("/help/help.htm");
    if (Open(QStringLiteral("file://") + page)) {
        accept();
        return;
    }
    // The window stays, so the grown-up can try the other links.
    ShowParentMessage(this, QStringLiteral("Unable to start the help file '") + QDir::toNativeSeparators(page) +
                                QStringLiteral("' Please make sure that it exists."));
}

void frmSplash::Command3_Click()
{
    // Out of the way first: the browser comes up over the colouring window.
    accept();
    if (!Open(QString::fromLatin1(kWebSite))) {
        ShowParentMessage(parentWidget(), QStringLiteral("Could not load Velmora webpage. Please make sure that your "
                                                         "internet browser is working!"));
    }
}

void frmSplash::HyperLink1_Click()
{
    if (Loading())
        return;
    const QString page = m_programFolder + QStringLiteral("/help/license_agreement.htm");
    if (!Open(QStringLiteral("file://") + page)) {
        ShowParentMessage(this, QStringLiteral("Unable to show license agreement '") + QDir::toNativeSeparators(page) +
                                    QStringLiteral("' Please make sure that it exists."));
    }
    accept();
}
