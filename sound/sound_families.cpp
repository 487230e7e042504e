#include "sound/sound_families.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cmath>

double UniformRandom()
{
    return QRandomGenerator::global()->generateDouble();
}

int RandomIndex(const RandomSource &random, int count)
{
    const double drawn = std::floor(random() * count);
    if (!(drawn >= 0)) // also catches NaN
        return 0;
    return int(std::min<double>(drawn, count - 1));
}

QString RandomVariant(const QString &family, int count, const RandomSource &random)
{
    return family + QString::number(RandomIndex(random, count));
}

SoundChoice SoundForKind(int kind, const RandomSource &random)
{
    switch (kind) {
    case SoundKind::kBubblePop: return {RandomVariant(QStringLiteral("POP"), 4, random), SoundMode::NoStop};
    case SoundKind::kClick:
        if (RandomIndex(random, 2) == 1)
            return {RandomVariant(QStringLiteral("MESSAGE"), 3, random), SoundMode::Interrupt};
        return {RandomVariant(QStringLiteral("B"), 6, random), SoundMode::Interrupt};
    case SoundKind::kPick:
        if (RandomIndex(random, 2) == 0)
            return {RandomVariant(QStringLiteral("PRESS"), 2, random), SoundMode::Interrupt};
        return {RandomVariant(QStringLiteral("B"), 6, random), SoundMode::Interrupt};
    case SoundKind::kNewPicture: return {RandomVariant(QStringLiteral("NEW"), 2, random), SoundMode::Interrupt};
    default: return {};
    }
}
