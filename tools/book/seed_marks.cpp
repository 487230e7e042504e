#include "tools/book/seed_marks.h"

#include <QFile>
#include <QXmlStreamReader>

#include <cmath>

namespace SeedMarks {

Reading Read(const QString &svgPath)
{
    Reading reading;
    QFile file(svgPath);
    if (!file.open(QIODevice::ReadOnly)) {
        reading.error = QStringLiteral("cannot open %1").arg(svgPath);
        return reading;
    }
    QXmlStreamReader xml(&file);
    int transformedDepth = 0; // open elements that carry a transform
    QList<bool> transformed;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            transformedDepth -= transformed.takeLast() ? 1 : 0;
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        const bool hasTransform = attributes.hasAttribute(QStringLiteral("transform"));
        transformed.append(hasTransform);
        transformedDepth += hasTransform ? 1 : 0;
        if (xml.name() != QStringLiteral("circle") ||
            !attributes.value(QStringLiteral("class")).split(u' ').contains(QStringLiteral("seed")))
            continue;
        bool xOk = false;
        bool yOk = false;
        const double x = attributes.value(QStringLiteral("cx")).toDouble(&xOk);
        const double y = attributes.value(QStringLiteral("cy")).toDouble(&yOk);
        if (!xOk || !yOk || transformedDepth > 0) {
            reading.error = QStringLiteral("line %1: a seed needs plain cx and cy and no transform")
                                .arg(xml.lineNumber());
            return reading;
        }
        reading.seeds.append(QPoint(int(std::lround(x)), int(std::lround(y))));
    }
    if (xml.hasError())
        reading.error = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
    return reading;
}

} // namespace SeedMarks
