#include "app/start_up.h"

#include <QDir>

#include "canvas/sound_qt_output.h"
#include "library/program_folder.h"

VelmoraRun::VelmoraRun(const QString &programFolder, const StartOptions &options)
    : m_session(/*grabKeyboard=*/!options.windowed), m_sounds(MakeSoundOutput()),
      m_window(std::make_unique<FrmMain>(MainWindowServices{programFolder, &m_session, &m_sounds, options.windowed}))
{
}

std::unique_ptr<VelmoraRun> StartVelmora(const StartOptions &options, QString &error)
{
    const QString folder = ChooseProgramFolder(CurrentProgramFolderCandidates(options.root));
    if (!QDir().mkpath(folder)) {
        error = QStringLiteral("The program folder \"%1\" could not be made.").arg(QDir::toNativeSeparators(folder));
        return nullptr;
    }
    auto run = std::make_unique<VelmoraRun>(folder, options);
    if (!run->window().Form_Load())
        return nullptr;
    if (!options.picture.isEmpty() && !run->window().OpenPictureFile(options.picture))
        qWarning("velmora: %s is not a picture that can be opened", qPrintable(options.picture));
    return run;
}
