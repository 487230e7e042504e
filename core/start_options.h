#pragma once

#include <QString>
#include <QStringList>

// What the command line asks of a run of the program.
struct StartOptions {
    QString root;          // --root DIR: the program folder, empty when not given
    bool windowed = false; // --windowed: an ordinary window instead of full screen (development)
    QString picture;       // --picture FILE: colour this line art straight away (development)
    QString error;         // set when the command line could not be understood
};

// Reads the arguments as QCoreApplication::arguments() gives them (program name first).
StartOptions ParseStartOptions(const QStringList &arguments);
