#include "controls/hyperlink_properties.h"

#include "image/pixel_image.h"

namespace {

// Colours may come as a colour or as the program's colour value (red + 256 x green + 65536 x blue).
void ReadColour(const QVariantMap &bag, const QString &key, QColor &colour)
{
    const QVariant value = bag.value(key);
    if (value.metaType() == QMetaType::fromType<QColor>())
        colour = value.value<QColor>();
    else if (value.metaType() == QMetaType::fromType<int>() || value.metaType() == QMetaType::fromType<qint64>())
        colour = QColor::fromRgb(PixelOfColourValue(qint32(value.toLongLong())));
}

void ReadBool(const QVariantMap &bag, const QString &key, bool &flag)
{
    const QVariant value = bag.value(key);
    if (value.metaType() == QMetaType::fromType<bool>())
        flag = value.toBool();
}

void ReadText(const QVariantMap &bag, const QString &key, QString &text)
{
    const QVariant value = bag.value(key);
    if (value.metaType() == QMetaType::fromType<QString>())
        text = value.toString();
}

} // namespace

HyperLinkProperties HyperLinkProperties::Unsaved(const QString &name, const QFont &font, const QColor &back,
                                                 const QColor &fore)
{
    HyperLinkProperties properties;
    properties.Caption = name;
    properties.Font = font;
    properties.BackColor = back;
    properties.ForeColor = fore;
    properties.UseHoverForeColor = true;
    properties.UnderlineOnHover = true;
    return properties;
}

QVariantMap HyperLinkProperties::Save() const
{
    return {
        {QStringLiteral("Caption"), Caption},
        {QStringLiteral("Target"), Target},
        {QStringLiteral("AutoSize"), AutoSize},
        {QStringLiteral("LinkAvailable"), LinkAvailable},
        {QStringLiteral("Font"), Font},
        {QStringLiteral("BackColor"), BackColor},
        {QStringLiteral("ForeColor"), ForeColor},
        {QStringLiteral("HoverForeColor"), HoverForeColor},
        {QStringLiteral("UseHoverForeColor"), UseHoverForeColor},
        {QStringLiteral("UnderlineOnHover"), UnderlineOnHover},
    };
}

void HyperLinkProperties::Read(const QVariantMap &bag)
{
    ReadText(bag, QStringLiteral("Caption"), Caption);
    ReadText(bag, QStringLiteral("Target"), Target);
    ReadBool(bag, QStringLiteral("AutoSize"), AutoSize);
    ReadBool(bag, QStringLiteral("LinkAvailable"), LinkAvailable);
    const QVariant font = bag.value(QStringLiteral("Font"));
    if (font.metaType() == QMetaType::fromType<QFont>())
        Font = font.value<QFont>();
    ReadColour(bag, QStringLiteral("BackColor"), BackColor);
    ReadColour(bag, QStringLiteral("ForeColor"), ForeColor);
    ReadColour(bag, QStringLiteral("HoverForeColor"), HoverForeColor);
    ReadBool(bag, QStringLiteral("UseHoverForeColor"), UseHoverForeColor);
    ReadBool(bag, QStringLiteral("UnderlineOnHover"), UnderlineOnHover);
}

QSizeF HyperLinkAutoSizeTwips(QSizeF captionTwips)
{
    constexpr double kSpaceAcross = 120;
    constexpr double kSpaceDown = 60;
    return {captionTwips.width() + kSpaceAcross, captionTwips.height() + kSpaceDown};
}
