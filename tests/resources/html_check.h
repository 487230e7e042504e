// A small reader for the hand-written help pages: enough HTML to tell that a
// page is balanced and to list what it points at, without a browser engine.
#pragma once

#include <QString>
#include <QStringList>

struct HtmlOutline {
    QStringList problems;  // empty when the page reads cleanly
    QStringList sources;   // every <img src>
    QStringList links;     // every <a href>
    QStringList ids;       // every id="..."
    QString title;
    bool hasScript = false;
};

HtmlOutline ReadHtmlOutline(const QString &text);

// True for a link that leaves the page's own folder tree (web, mail) or stays
// on the page (#anchor); everything else must name a file beside the page.
bool IsExternalLink(const QString &target);
