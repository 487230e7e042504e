#include "app/start_up.h"

#include <QDir>
#include <QScreen>

#include "library/program_folder.h"

std::unique_ptr<FrmMain> OpenMainWindow(const StartOptions &options, QString &error)
{
    const QString folder = ChooseProgramFolder(CurrentProgramFolderCandidates(options.root));
    if (!QDir().mkpath(folder)) {
        error = QStringLiteral("The program folder \"%1\" could not be made.").arg(QDir::toNativeSeparators(folder));
        return nullptr;
    }
    auto window = std::make_unique<FrmMain>(folder);
    if (options.windowed) {
        window->resize(1024, 768);
        window->show();
    } else {
        // Without a window manager the full-screen request alone changes nothing,
        // so the window also takes the whole screen's geometry itself.
        window->setGeometry(window->screen()->geometry());
        window->showFullScreen();
    }
    return window;
}
