#include "app/pack_command.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <cstring>

#include "library/library_layout.h"
#include "library/pack/pack_create.h"
#include "library/pack/pack_import.h"
#include "library/program_folder.h"

namespace {

constexpr char kUsage[] =
    "usage: velmora [--root DIR] [--windowed] [--picture FILE]\n"
    "       velmora pack create FOLDER OUT.vpk\n"
    "       velmora pack import FILE.vpk [--root DIR]\n"
    "\n"
    "  --root DIR       use DIR as the program folder (else VELMORA_ROOT, else the usual place)\n"
    "  --windowed       run in an ordinary window instead of full screen\n"
    "  --picture FILE   open FILE on the canvas at start (development)\n"
    "  pack create      put every picture of FOLDER into the Picture Pack OUT.vpk,\n"
    "                   as the book named after FOLDER\n"
    "  pack import      install the Picture Pack FILE.vpk as a new book\n"
    "  --help           show this text\n";

int Usage(FILE *stream, int status)
{
    std::fputs(kUsage, stream);
    return status;
}

// The message on stdout for success, on stderr for failure; CR LF line breaks become the terminal's.
int Report(bool ok, QString message)
{
    message.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    std::fprintf(ok ? stdout : stderr, "%s\n", qPrintable(message));
    return ok ? 0 : 1;
}

int Create(const QString &folder, const QString &target)
{
    const QString absolute = QDir(folder).absolutePath();
    if (!QFileInfo(absolute).isDir())
        return Report(false, QStringLiteral("The folder %1 does not exist.").arg(QDir::toNativeSeparators(folder)));
    const QStringList pictures = LibraryLayout::ListPictures(absolute);
    if (pictures.isEmpty())
        return Report(false, QStringLiteral("The folder %1 holds no pictures.").arg(QDir::toNativeSeparators(folder)));
    const PackCreation made = CreatePack(absolute, pictures, target);
    return Report(made.ok, made.message);
}

int Import(const QString &pack, const QString &root)
{
    const QString programFolder = ChooseProgramFolder(CurrentProgramFolderCandidates(root));
    const PackImport result = ImportPack(pack, LibraryLayout::BooksFolder(programFolder));
    return Report(result.ok, result.message);
}

int RunPack(const QStringList &arguments)
{
    // arguments: program, "pack", verb, ...
    const QString verb = arguments.value(2);
    if (verb == QLatin1String("create") && arguments.size() == 5)
        return Create(arguments.at(3), arguments.at(4));
    if (verb == QLatin1String("import") && arguments.size() == 4)
        return Import(arguments.at(3), QString());
    if (verb == QLatin1String("import") && arguments.size() == 6 && arguments.at(4) == QLatin1String("--root"))
        return Import(arguments.at(3), arguments.at(5));
    if (verb == QLatin1String("import") && arguments.size() == 6 && arguments.at(3) == QLatin1String("--root"))
        return Import(arguments.at(5), arguments.at(4));
    return Usage(stderr, 2);
}

} // namespace

std::optional<int> RunCommandLineTool(int argc, char *argv[])
{
    const bool pack = argc >= 2 && std::strcmp(argv[1], "pack") == 0;
    bool help = false;
    for (int i = 1; i < argc && !pack; ++i)
        help = help || std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0;
    if (!help && !pack)
        return std::nullopt;
    if (help)
        return Usage(stdout, 0);
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
    return RunPack(QCoreApplication::arguments());
}
