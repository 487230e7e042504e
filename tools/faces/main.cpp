// Renders the hand-drawn SVG pictures in src/ into the PNG resources the
// program compiles in: button faces, cursors, the icon and window backgrounds,
// each but the icon also at 2 and 3 times the size (name@2x.png, name@3x.png).
//   velmora_faces <tools/faces/src> <resources>

#include "image/ratio_picture.h"
#include "resources/cursor_table.h"
#include "tools/faces/face_painter.h"
#include "tools/faces/face_table.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSvgRenderer>
#include <QTextStream>

#include <array>
#include <memory>

namespace {

QTextStream &Err()
{
    static QTextStream stream(stderr);
    return stream;
}

class Renderer {
public:
    Renderer(const QString &sourceDir, const QString &resourceDir)
        : m_source(sourceDir), m_resources(resourceDir) {}

    bool ok() const { return m_ok; }

    void faces()
    {
        using FacePainter::State;
        for (const FaceTable::FaceSet &set : FaceTable::FaceSets()) {
            const QSize size(set.width, set.height);
            auto glyph = load(QStringLiteral("glyphs/%1").arg(set.glyph));
            if (!glyph)
                continue;
            writeFace(*glyph, size, State::Rest, set.plate, set.rest);
            writeFace(*glyph, size, State::Down, set.plate, set.down);
            if (set.disabled)
                writeFace(*glyph, size, State::Disabled, set.plate, set.disabled);
            if (set.latched == 0)
                continue;
            auto lit = set.latchedGlyph ? load(QStringLiteral("glyphs/%1").arg(set.latchedGlyph)) : std::move(glyph);
            if (lit)
                writeFace(*lit, size, State::Latched, set.plate, set.latched);
        }
        for (const FaceTable::NamedPicture &face : FaceTable::FunctionFaces()) {
            if (auto glyph = load(QStringLiteral("glyphs/%1").arg(face.svg)))
                writeFace(*glyph, QSize(face.width, face.height), State::Rest, FaceTable::Plate::Tile, face.file);
        }
    }

    void cursors()
    {
        for (const CursorTable::Entry &entry : CursorTable::Entries) {
            auto svg = load(QStringLiteral("cursors/%1").arg(entry.number));
            if (!svg)
                continue;
            for (const int times : kDrawnTimes) {
                const QImage cursor = FacePainter::PaintPicture(*svg, QSize(entry.width, entry.height), true, times);
                // The tip must be solid, or a click would land on a see-through
                // pixel; drawn larger, the tip is the whole block its pixel became.
                const QRect tip(entry.hotX * times, entry.hotY * times, times, times);
                if (!SolidThroughout(cursor, tip))
                    fail(QStringLiteral("cursor %1 at %2x: the hot spot (%3, %4) is not opaque")
                             .arg(entry.number).arg(times).arg(entry.hotX).arg(entry.hotY));
                write(cursor, "cursors", entry.number, times);
            }
        }
    }

    void iconAndBackgrounds()
    {
        if (auto icon = load(QStringLiteral("velmora"))) {
            write(FacePainter::PaintPicture(*icon, QSize(256, 256), true), "icons", "velmora");
            const QString target = m_resources.filePath(QStringLiteral("icons/velmora.svg"));
            QFile::remove(target);
            if (!QFile::copy(m_source.filePath(QStringLiteral("velmora.svg")), target))
                fail(QStringLiteral("cannot copy the icon to %1").arg(target));
        }
        for (const FaceTable::NamedPicture &window : FaceTable::Backgrounds()) {
            auto svg = load(QString::fromLatin1(window.svg));
            for (const int times : kDrawnTimes)
                if (svg)
                    write(FacePainter::PaintPicture(*svg, QSize(window.width, window.height), false, times),
                          "backgrounds", window.file, times);
        }
    }

private:
    // Every size a shown picture is drawn at; the icon is drawn once.
    static constexpr std::array<int, 3> kDrawnTimes{1, 2, 3};

    static bool SolidThroughout(const QImage &picture, const QRect &block)
    {
        for (int y = block.top(); y <= block.bottom(); ++y)
            for (int x = block.left(); x <= block.right(); ++x)
                if (!picture.valid(x, y) || qAlpha(picture.pixel(x, y)) != 255)
                    return false;
        return true;
    }

    template <typename Name>
    void writeFace(QSvgRenderer &glyph, QSize size, FacePainter::State state, FaceTable::Plate plate, Name name)
    {
        for (const int times : kDrawnTimes)
            write(FacePainter::PaintFace(glyph, size, state, plate, times), "faces", name, times);
    }

    std::unique_ptr<QSvgRenderer> load(const QString &name)
    {
        const QString path = m_source.filePath(name + QStringLiteral(".svg"));
        auto svg = std::make_unique<QSvgRenderer>(path);
        if (svg->isValid())
            return svg;
        fail(QStringLiteral("%1 is missing or is not a picture").arg(path));
        return nullptr;
    }

    // Writes <folder>/<name>.png, or <name>@2x.png and so on for the larger drawings.
    template <typename Name>
    void write(const QImage &image, const char *folder, Name name, int times = 1)
    {
        const QString plain = QStringLiteral("%1/%2.png").arg(folder).arg(name);
        const QString path = m_resources.filePath(PictureNameAtRatio(plain, times));
        if (!m_resources.mkpath(QString::fromLatin1(folder)) || !image.save(path, "PNG"))
            fail(QStringLiteral("cannot write %1").arg(path));
    }

    void fail(const QString &message)
    {
        Err() << "velmora_faces: " << message << Qt::endl;
        m_ok = false;
    }

    QDir m_source;
    QDir m_resources;
    bool m_ok = true;
};

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        Err() << "usage: velmora_faces <svg source folder> <resources folder>" << Qt::endl;
        return 2;
    }
    Renderer renderer(args.at(1), args.at(2));
    renderer.faces();
    renderer.cursors();
    renderer.iconAndBackgrounds();
    return renderer.ok() ? 0 : 1;
}
