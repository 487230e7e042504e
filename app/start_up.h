#pragma once

#include <memory>

#include "app/frm_main.h"
#include "core/start_options.h"

// Finds the program folder for this run (making it when it is missing) and
// shows the colouring window: full screen, or an ordinary window when asked.
// Returns null, with a reason in `error`, when the program folder cannot be made.
std::unique_ptr<FrmMain> OpenMainWindow(const StartOptions &options, QString &error);
