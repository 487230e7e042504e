#include "platform/platform_system_session.h"

#include "platform/qt_system_session.h"

std::unique_ptr<SystemSession> MakeSystemSession(bool windowed)
{
    return std::make_unique<QtSystemSession>(/*grabKeyboard=*/!windowed);
}
