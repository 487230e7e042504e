#pragma once

#include <QByteArray>
#include <QString>

// Spells out each character's Windows-1252 code as its digit count and its
// decimal digits ("abc" -> "297298299"). With the digit mapping, digit d becomes
// the character of code 147 + d. A text Windows-1252 cannot hold gives
// kScrambleFailed.
inline constexpr char kScrambleFailed[] = "Error encrypting string";
QString ScrambleString(const QString &text, bool digitMapping);

// The 13 bytes that stand before every picture of a pack: the mapped scramble
// of "<v6>", worked out afresh rather than written down.
QByteArray PackMarker();
