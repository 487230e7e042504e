#pragma once

#include <QString>

// Where each kind of compiled-in resource lives. Everything the program shows or
// plays is addressed by the number or name the rest of the code knows it by.
namespace ResourceNames {

QString Face(int number);               // a button face: ":/faces/102.png"
QString NamedFace(const QString &name); // a face without a number: ":/faces/func-quit.png"
QString Cursor(int number);             // ":/cursors/101.png"
QString Sound(const QString &name);     // ":/sounds/POP0.wav"

} // namespace ResourceNames
