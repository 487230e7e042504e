#pragma once

#include <memory>

#include "windows/main/frm_main.h"
#include "platform/platform_system_session.h"
#include "sound/sound_effects.h"
#include "core/start_options.h"
#ifndef Q_OS_WIN
#include "platform/session_end_signals.h"
#endif

// One run of the program: the system session, the sounds and the colouring
// window, made and put away together.
class VelmoraRun {
public:
    VelmoraRun(const QString &programFolder, const StartOptions &options);

    FrmMain &window() { return *m_window; }
    SoundEffects &sounds() { return m_sounds; }

private:
    std::unique_ptr<SystemSession> m_session;
    SoundEffects m_sounds;
    std::unique_ptr<FrmMain> m_window; // it uses the session and sounds until it goes
#ifndef Q_OS_WIN
    SessionEndSignals m_endSignals;
#endif
};

// Finds the program folder (making it when missing) and brings the colouring
// window up. Null when the program is to end: with a reason in `error` when the
// program folder could not be made, with `error` empty when start-up itself
// ended the run (a refused display, a declined question, no settings).
std::unique_ptr<VelmoraRun> StartVelmora(const StartOptions &options, QString &error);
