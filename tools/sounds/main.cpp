// Writes the sound effects into a resources folder:
//   velmora_make_sounds <repository>/resources
#include "tools/sounds/sound_recipes.h"
#include "tools/sounds/wave_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: velmora_make_sounds RESOURCES_FOLDER" << Qt::endl;
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("sounds")) || !folder.cd(QStringLiteral("sounds"))) {
        QTextStream(stderr) << "cannot create the sounds folder in " << folder.path() << Qt::endl;
        return 1;
    }
    std::vector<NamedSound> sounds = PlayfulSounds();
    for (NamedSound &chime : ChimeSounds())
        sounds.push_back(std::move(chime));
    for (const NamedSound &effect : sounds) {
        const QString path = folder.filePath(effect.name + QStringLiteral(".wav"));
        if (!WriteWave(path, Finished(effect.sound))) {
            QTextStream(stderr) << "cannot write " << path << Qt::endl;
            return 1;
        }
    }
    return 0;
}
