#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

// The writes the kill test interrupts, shared by the test and the program it kills.
enum class FaultKind { Coloured, OwnPicture, Settings, PackCreate, PackImport };

inline const QStringList kFaultKindNames = {QStringLiteral("coloured"), QStringLiteral("own"),
                                            QStringLiteral("settings"), QStringLiteral("packcreate"),
                                            QStringLiteral("packimport")};

inline bool FaultKindNamed(const QString &name, FaultKind &kind)
{
    const qsizetype index = kFaultKindNames.indexOf(name);
    if (index < 0)
        return false;
    kind = FaultKind(index);
    return true;
}

inline constexpr QSize kFaultPictureSize(400, 300);
inline constexpr char kFaultBookPicture[] = "/books/animals/cat.bmp";
inline constexpr char kFaultOwnPicture[] = "/books/own pictures/own_0.bmp";
inline constexpr char kFaultPackFile[] = "/packs/Farm.vpk";
inline constexpr char kFaultPackToImport[] = "/packs/import.vpk";
inline const QStringList kFaultPackPictures = {QStringLiteral("cow.bmp"), QStringLiteral("hen.bmp"),
                                               QStringLiteral("pig.bmp")};
