#pragma once

#include <QTemporaryDir>

#include "windows/main/frm_main.h"
#include "tests/support/fake_sound.h"
#include "tests/support/fake_system_session.h"
#include "tests/support/file_faults.h"

// Stand-ins for the save and print dialogs (null: the real dialogs).
struct ExportDialogs {
    std::function<QString(QWidget *)> askJpegFileName;
    std::function<bool(QPrinter &, QWidget *)> askPrinter;
};

// A colouring window on a fake system, in its own program folder.
struct Rig {
    explicit Rig(DisplayMetrics display = {1024, 768, 16}, bool smoothingOn = false, ExportDialogs dialogs = {})
        : session(display, smoothingOn),
          window({root.path(), &session, &recorded.sounds, false, dialogs.askJpegFileName, dialogs.askPrinter})
    {
    }
    bool Settle(const QByteArray &settings) { return WriteFile(root.filePath("Settings.ini"), settings); }

    QTemporaryDir root;
    FakeSystemSession session;
    RecordedSounds recorded;
    FrmMain window;
};

