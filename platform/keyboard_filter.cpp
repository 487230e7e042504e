#include "platform/keyboard_filter.h"

int VirtualKeyOf(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Shift: return VirtualKey::Shift;
    case Qt::Key_Control: return VirtualKey::Control;
    case Qt::Key_Alt:
    case Qt::Key_AltGr: return VirtualKey::Alt;
    case Qt::Key_Meta:
    case Qt::Key_Super_L: return VirtualKey::LeftWindows;
    case Qt::Key_Super_R: return VirtualKey::RightWindows;
    case Qt::Key_Menu: return VirtualKey::Apps;
    default: return 0;
    }
}

bool ShouldSwallowQtKey(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (modifiers.testFlag(Qt::MetaModifier))
        return true;
    return ShouldSwallowKey(VirtualKeyOf(qtKey), modifiers.testFlag(Qt::AltModifier),
                            modifiers.testFlag(Qt::ControlModifier));
}
