#include "core/windows1252.h"

#include <QList>

namespace {

// 0x80..0x9F differ from Latin-1; 0 marks the five bytes the code page leaves undefined,
// which are kept as the matching control characters.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char16_t CharacterOf(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F && kHighControls[byte - 0x80] != 0)
        return kHighControls[byte - 0x80];
    return byte;
}

} // namespace

QString FromWindows1252(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char byte : bytes)
        text.append(QChar(CharacterOf(static_cast<unsigned char>(byte))));
    return text;
}

QByteArray ToWindows1252(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text) {
        const char16_t unicode = c.unicode();
        char byte = '?';
        if (unicode < 0x80 || (unicode >= 0xA0 && unicode <= 0xFF)) {
            byte = char(unicode);
        } else {
            for (int i = 0; i < 32; ++i) {
                if (kHighControls[i] == unicode || (kHighControls[i] == 0 && unicode == 0x80 + i)) {
                    byte = char(0x80 + i);
                    break;
                }
            }
        }
        bytes.append(byte);
    }
    return bytes;
}

QStringList Windows1252Lacks(const QString &text)
{
    QStringList lacking;
    for (const uint codePoint : text.toUcs4()) {
        const char32_t unicode = codePoint;
        const QString character = QString::fromUcs4(&unicode, 1); // a pair of halves for an emoji
        if (FromWindows1252(ToWindows1252(character)) != character && !lacking.contains(character))
            lacking += character;
    }
    return lacking;
}
