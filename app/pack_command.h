#pragma once

#include <optional>

// The command-line tools that run without a window or display:
//   velmora pack create FOLDER OUT.vpk
//   velmora pack import FILE.vpk [--root DIR]
//   velmora --help
// Returns the exit status when the arguments ask for one of them, nothing when
// the program is to start as usual. Call before any application object exists.
std::optional<int> RunCommandLineTool(int argc, char *argv[]);
