#pragma once

#include <QList>
#include <QPoint>
#include <QString>

// Every white area of a book picture that a child is meant to colour carries
// one invisible marker inside it:
//   <circle class="seed" cx="..." cy="..." r="2" fill="none" stroke="none"/>
// The markers let the pictures be checked for leaking outlines: a flood from
// one marker must never reach another.
namespace SeedMarks {

struct Reading {
    QList<QPoint> seeds; // in page pixels, rounded
    QString error;       // empty when the file was read cleanly
};

// Reads the markers of one SVG file. A marker inside a transformed group is an
// error, since its page position would no longer be its cx, cy.
Reading Read(const QString &svgPath);

} // namespace SeedMarks
