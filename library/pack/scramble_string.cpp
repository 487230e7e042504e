#include "library/pack/scramble_string.h"

#include "core/windows1252.h"

QString ScrambleString(const QString &text, bool digitMapping)
{
    const QByteArray bytes = ToWindows1252(text);
    if (FromWindows1252(bytes) != text)
        return QString::fromLatin1(kScrambleFailed);
    QByteArray digits;
    for (char byte : bytes) {
        const QByteArray code = QByteArray::number(static_cast<unsigned char>(byte));
        digits += char('0' + code.size());
        digits += code;
    }
    if (!digitMapping)
        return QString::fromLatin1(digits);
    for (char &digit : digits)
        digit = char(147 + (digit - '0'));
    return FromWindows1252(digits);
}

QByteArray PackMarker()
{
    return ToWindows1252(ScrambleString(QStringLiteral("<v6>"), true));
}
