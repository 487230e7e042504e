#include "windows/splash/open_page.h"

#include <QDesktopServices>

namespace {

const QString kFileScheme = QStringLiteral("file://");

} // namespace

QUrl PageUrl(const QString &target)
{
    if (target.startsWith(kFileScheme, Qt::CaseInsensitive))
        return QUrl::fromLocalFile(target.mid(kFileScheme.size()));
    return QUrl(target);
}

bool OpenPage(const QString &target)
{
    return QDesktopServices::openUrl(PageUrl(target));
}
