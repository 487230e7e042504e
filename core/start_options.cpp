#include "core/start_options.h"

#include <QCommandLineParser>

StartOptions ParseStartOptions(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption rootOption(QStringLiteral("root"),
                                        QStringLiteral("Use DIR as the program folder."), QStringLiteral("DIR"));
    const QCommandLineOption windowedOption(QStringLiteral("windowed"),
                                            QStringLiteral("Run in an ordinary window instead of full screen."));
    parser.addOption(rootOption);
    parser.addOption(windowedOption);

    StartOptions options;
    if (!parser.parse(arguments)) {
        options.error = parser.errorText();
        return options;
    }
    options.root = parser.value(rootOption);
    options.windowed = parser.isSet(windowedOption);
    return options;
}
