#pragma once

#include <memory>

#include "platform/system_session.h"

// The system session of the system the program is built for, chosen in CMake:
// windows_system_session.cpp on Windows, platform_system_session_qt.cpp elsewhere.
// A windowed run is for trying the program out beside other programs: it keeps
// its own keys from the child but leaves the system as it is.
std::unique_ptr<SystemSession> MakeSystemSession(bool windowed);
