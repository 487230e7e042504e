#pragma once

#include <QTemporaryDir>

#include "app/frm_main.h"
#include "tests/support/fake_sound.h"
#include "tests/support/fake_system_session.h"
#include "tests/support/file_faults.h"

// A colouring window on a fake system, in its own program folder.
struct Rig {
    explicit Rig(DisplayMetrics display = {1024, 768, 16}, bool smoothingOn = false)
        : session(display, smoothingOn), window({root.path(), &session, &recorded.sounds, false})
    {
    }
    bool Settle(const QByteArray &settings) { return WriteFile(root.filePath("Settings.ini"), settings); }

    QTemporaryDir root;
    FakeSystemSession session;
    RecordedSounds recorded;
    FrmMain window;
};

