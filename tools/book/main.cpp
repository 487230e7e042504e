// Renders the default book's outline pictures, drawn as SVG in src/, into the
// 1-bit bitmaps the program ships in resources/default_library/books/Velmora/.
//   velmora_book <tools/book/src> <resources>

#include "tools/book/outline_render.h"
#include "tools/book/seed_marks.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QTextStream>

namespace {

QTextStream &Out(FILE *stream)
{
    static QTextStream out(stdout);
    static QTextStream err(stderr);
    return stream == stderr ? err : out;
}

// Writes one picture; false (with a message) when it cannot.
bool RenderPicture(const QFileInfo &source, const QDir &book)
{
    const QString name = source.completeBaseName();
    const QImage picture = OutlineRender::RenderFile(source.filePath());
    if (picture.isNull()) {
        Out(stderr) << "velmora_book: " << source.filePath() << " is not a picture" << Qt::endl;
        return false;
    }
    QImageWriter writer(book.filePath(name + QStringLiteral(".bmp")), "bmp");
    if (!writer.write(picture)) {
        Out(stderr) << "velmora_book: " << writer.fileName() << ": " << writer.errorString() << Qt::endl;
        return false;
    }
    const SeedMarks::Reading seeds = SeedMarks::Read(source.filePath());
    Out(stdout) << name << ": " << seeds.seeds.size() << " seeds"
                << (seeds.error.isEmpty() ? QString() : QStringLiteral(" (") + seeds.error + u')') << Qt::endl;
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        Out(stderr) << "usage: velmora_book <svg source folder> <resources folder>" << Qt::endl;
        return 2;
    }
    const QDir sources(args.at(1));
    const QString bookPath = QDir(args.at(2)).filePath(QStringLiteral("default_library/books/Velmora"));
    if (!QDir().mkpath(bookPath)) {
        Out(stderr) << "velmora_book: cannot make " << bookPath << Qt::endl;
        return 1;
    }
    const QDir book(bookPath);
    const QFileInfoList svgs = sources.entryInfoList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name);
    if (svgs.isEmpty()) {
        Out(stderr) << "velmora_book: no pictures in " << sources.path() << Qt::endl;
        return 1;
    }
    bool ok = true;
    for (const QFileInfo &source : svgs)
        ok = RenderPicture(source, book) && ok;

    // The book folder is copied to users as it is, so a bitmap left behind by a
    // renamed or removed source would ship; name it rather than delete it.
    for (const QFileInfo &shipped : book.entryInfoList(QDir::Files)) {
        if (!sources.exists(shipped.completeBaseName() + QStringLiteral(".svg"))) {
            Out(stderr) << "velmora_book: " << shipped.filePath() << " has no source" << Qt::endl;
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
