#include "app/start_up.h"

#include <QDir>
#include <QGuiApplication>
#include <QTimer>

#include "sound/sound_qt_output.h"
#include "library/default_library.h"
#include "library/program_folder.h"

VelmoraRun::VelmoraRun(const QString &programFolder, const StartOptions &options)
    : m_session(MakeSystemSession(options.windowed)), m_sounds(MakeSoundOutput()),
      m_window(std::make_unique<FrmMain>(
          MainWindowServices{programFolder, m_session.get(), &m_sounds, options.windowed, {}, {}}))
{
    FrmMain *window = m_window.get();
#ifndef Q_OS_WIN
    QObject::connect(&m_endSignals, &SessionEndSignals::EndRequested, window, [window](int number) {
        qInfo("velmora: the session is ending (signal %d): the colouring is kept", number);
        window->EndSession();
    });
#endif
    // The desktop's session manager asks programs to keep their data before a
    // logout it may still cancel; the run goes on.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, window, [window] {
        if (!window->Ended())
            window->SaveColouredPicture();
    });
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, window, [window] {
        if (!window->Ended())
            window->Form_Unload();
    });
}

std::unique_ptr<VelmoraRun> StartVelmora(const StartOptions &options, QString &error)
{
    const ProgramFolderCandidates candidates = CurrentProgramFolderCandidates(options.root);
    const QString folder = ChooseProgramFolder(candidates);
    if (!QDir().mkpath(folder)) {
        error = QStringLiteral("The program folder \"%1\" could not be made.").arg(QDir::toNativeSeparators(folder));
        return nullptr;
    }
    // The user's own data folder starts with the installed library; a folder
    // named on purpose (--root, VELMORA_ROOT, a portable install) is used as it is.
    ProgramFolderCandidates userDataOnly;
    userDataOnly.userDataFolder = candidates.userDataFolder;
    if (folder == ChooseProgramFolder(userDataOnly))
        SeedDefaultLibrary(folder, InstalledLibraryFolder(candidates.executableFolder));
    auto run = std::make_unique<VelmoraRun>(folder, options);
    if (!run->window().Form_Load())
        return nullptr;
    if (options.picture.isEmpty()) {
        // Start-up ends on the picture browser, once the window is up and the event loop runs.
        QTimer::singleShot(0, &run->window(), &FrmMain::OpenCommand);
    } else if (!run->window().OpenPictureFile(options.picture)) {
        qWarning("velmora: %s is not a picture that can be opened", qPrintable(options.picture));
    }
    return run;
}
