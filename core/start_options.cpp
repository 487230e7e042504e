#include "core/start_options.h"

#include <QCommandLineParser>

StartOptions ParseStartOptions(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption rootOption(QStringLiteral("root"),
                                        QStringLiteral("Use DIR as the program folder."), QStringLiteral("DIR"));
    const QCommandLineOption windowedOption(QStringLiteral("windowed"),
                                            QStringLiteral("Run in an ordinary window instead of full screen."));
    const QCommandLineOption pictureOption(QStringLiteral("picture"),
                                           QStringLiteral("Open FILE on the canvas at start (development)."),
                                           QStringLiteral("FILE"));
    parser.addOption(rootOption);
    parser.addOption(windowedOption);
    parser.addOption(pictureOption);

    StartOptions options;
    if (!parser.parse(arguments)) {
        options.error = parser.errorText();
        return options;
    }
    options.root = parser.value(rootOption);
    options.windowed = parser.isSet(windowedOption);
    options.picture = parser.value(pictureOption);
    return options;
}
