#include "tools/pictures/brush_texture.h"
#include "tools/pictures/picture_sets.h"
#include "tools/pictures/texture_stats.h"

#include <QTextStream>

namespace {

// Crayon, paintbrush and pencil, in the order of the tool buttons. The pencil's
// rings only shape its dot; its darkest and mean values are what count.
const TextureRecipe kTextures[] = {
    {40, 35, 114, 196, {118, 126, 143, 165, 213, 248}, true, 1.2, 34, 0x5EED0001},
    {112, 106, 126, 217, {129, 133, 155, 206, 246, 255}, true, 1.1, 26, 0x5EED0002},
    {8, 8, 165, 245, {160, 165, 222, 253, 255, 255}, false, 1.0, 10, 0x5EED0003},
};

} // namespace

bool WriteBrushTextures(const QDir &resources)
{
    QTextStream out(stdout);
    int number = 0;
    for (const TextureRecipe &recipe : kTextures) {
        const QImage texture = MakeBrushTexture(recipe);
        const TextureStats stats = MeasureTexture(texture);
        out << "brushes/" << number << ".png " << recipe.width << "x" << recipe.height << " darkest " << stats.darkest
            << " (" << recipe.darkest << ") mean " << qRound(stats.mean) << " (" << recipe.mean << ") rings";
        for (int k = 0; k < 6; ++k)
            out << " " << QString::number(stats.rings[k], 'f', 1) << " (" << recipe.rings[k] << ")";
        out << Qt::endl;
        if (!SaveNumbered(texture, resources, QStringLiteral("brushes"), number++))
            return false;
    }
    return true;
}
