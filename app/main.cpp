#include <QApplication>

#include <cstdio>

#include "app/pack_command.h"
#include "app/start_up.h"
#include "core/start_options.h"
#include "platform/screen_scaling.h"

int main(int argc, char *argv[])
{
    // The pack tools and --help need no display.
    if (const std::optional<int> status = RunCommandLineTool(argc, argv))
        return *status;
    QApplication application(argc, argv);
    ScaleScreensForChildren(); // before any window, so that every one is laid out at the screen's scale
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/velmora.png")));

    const StartOptions options = ParseStartOptions(QApplication::arguments());
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "velmora: %s\nusage: velmora [--root DIR] [--windowed] [--picture FILE]\n       velmora --help\n", qPrintable(options.error));
        return 2;
    }
    QString error;
    const std::unique_ptr<VelmoraRun> run = StartVelmora(options, error);
    if (!run) {
        if (!error.isEmpty())
            std::fprintf(stderr, "velmora: %s\n", qPrintable(error));
        return error.isEmpty() ? 0 : 1;
    }
    if (run->window().Ended())
        return 0; // the session ended while start-up was still asking
    return QApplication::exec();
}
