#include "tools/pictures/paint_blob.h"
#include "tools/pictures/picture_sets.h"

#include <algorithm>
#include <functional>

namespace {

struct BlobEntry
{
    int width, height;
    QRgb colour;
};

// The 23 palette blobs; the last opens the colour picker and wears confetti.
const BlobEntry kPalette[] = {
    {20, 20, qRgb(4, 255, 4)},      {43, 43, qRgb(255, 0, 0)},      {20, 19, qRgb(255, 255, 2)},
    {26, 28, qRgb(3, 255, 255)},    {19, 18, qRgb(6, 6, 255)},      {44, 43, qRgb(199, 178, 153)},
    {33, 29, qRgb(140, 98, 57)},    {16, 17, qRgb(255, 2, 255)},    {47, 43, qRgb(96, 57, 19)},
    {23, 21, qRgb(0, 166, 81)},     {23, 22, qRgb(16, 16, 16)},     {46, 40, qRgb(129, 129, 129)},
    {35, 34, qRgb(255, 255, 255)},  {33, 29, qRgb(102, 45, 145)},   {17, 17, qRgb(96, 92, 168)},
    {26, 27, qRgb(46, 49, 146)},    {19, 18, qRgb(0, 114, 188)},    {26, 26, qRgb(58, 134, 57)},
    {20, 22, qRgb(158, 11, 14)},    {20, 20, qRgb(171, 160, 0)},    {46, 40, qRgb(95, 95, 95)},
    {26, 28, qRgb(255, 166, 3)},    {44, 43, qRgb(255, 255, 255)},
};
constexpr int kPickerBlob = 22;

// The colour picker's bubbles, prepared in red: tints towards white, shades
// from nearly black, and white. The picker re-colours their paint through hue
// and saturation, so the outline and rim are grey and stay as they are.
const BlobEntry kShades[] = {
    {26, 28, qRgb(255, 0, 0)},     {33, 29, qRgb(255, 26, 26)},   {20, 22, qRgb(255, 51, 51)},
    {20, 20, qRgb(255, 102, 102)}, {35, 34, qRgb(255, 76, 76)},   {26, 26, qRgb(255, 128, 128)},
    {33, 29, qRgb(255, 178, 178)}, {46, 40, qRgb(255, 153, 153)}, {35, 34, qRgb(255, 205, 205)},
    {20, 20, qRgb(255, 228, 228)}, {26, 27, qRgb(28, 28, 28)},    {46, 40, qRgb(25, 0, 0)},
    {33, 29, qRgb(55, 1, 1)},      {26, 27, qRgb(86, 0, 0)},      {26, 27, qRgb(133, 0, 0)},
    {20, 22, qRgb(166, 1, 1)},     {33, 29, qRgb(200, 0, 0)},     {35, 34, qRgb(255, 255, 255)},
};

// A dark line in the blob's own hue, never black (black is transparent).
QColor DarkOutline(const QColor &body)
{
    const QColor hsl = body.toHsl();
    const float lightness = std::clamp(hsl.lightnessF() * 0.35f, 0.16f, 0.26f);
    return QColor::fromHslF(std::max(0.0f, hsl.hslHueF()), hsl.hslSaturationF() * 0.8f, lightness);
}

template <std::size_t N>
bool WriteBlobs(const QDir &resources, const QString &folder, const BlobEntry (&entries)[N], std::uint64_t seed,
                const std::function<void(int, BlobRecipe &)> &style)
{
    for (int number = 0; number < int(N); ++number) {
        BlobRecipe recipe;
        recipe.width = entries[number].width;
        recipe.height = entries[number].height;
        recipe.body = QColor(entries[number].colour);
        recipe.seed = seed + number;
        style(number, recipe);
        for (const int times : {1, 2, 3})
            if (!SaveNumbered(MakePaintBlob(recipe, times), resources, folder, number, times))
                return false;
    }
    return true;
}

} // namespace

bool WritePalettePictures(const QDir &resources)
{
    return WriteBlobs(resources, QStringLiteral("palette"), kPalette, 0xB10B0000u, [](int number, BlobRecipe &recipe) {
        recipe.confetti = number == kPickerBlob;
        recipe.outline = recipe.confetti ? QColor(70, 62, 90) : DarkOutline(recipe.body);
    });
}

bool WriteShadePictures(const QDir &resources)
{
    return WriteBlobs(resources, QStringLiteral("shades"), kShades, 0x5ADE0000u,
                      [](int, BlobRecipe &recipe) { recipe.outline = QColor(72, 72, 72); });
}
