#include "tests/resources/html_check.h"

#include <QRegularExpression>
#include <QSet>

namespace {

const QSet<QString> kVoidElements = {QStringLiteral("meta"), QStringLiteral("img"), QStringLiteral("br"),
                                     QStringLiteral("hr"), QStringLiteral("link"), QStringLiteral("input")};

// The named entities the pages use; anything else is a stray ampersand.
const QSet<QString> kEntities = {QStringLiteral("amp"),   QStringLiteral("lt"),    QStringLiteral("gt"),
                                 QStringLiteral("quot"),  QStringLiteral("nbsp"),  QStringLiteral("copy"),
                                 QStringLiteral("ldquo"), QStringLiteral("rdquo"), QStringLiteral("rsquo"),
                                 QStringLiteral("ndash")};

void ReadAttributes(const QString &name, const QString &attributes, HtmlOutline &outline)
{
    static const QRegularExpression attribute(QStringLiteral(R"re(([a-zA-Z-]+)\s*=\s*"([^"]*)")re"));
    for (const auto &match : attribute.globalMatch(attributes)) {
        const QString key = match.captured(1).toLower();
        if (key == QStringLiteral("id"))
            outline.ids << match.captured(2);
        else if (name == QStringLiteral("img") && key == QStringLiteral("src"))
            outline.sources << match.captured(2);
        else if (name == QStringLiteral("a") && key == QStringLiteral("href"))
            outline.links << match.captured(2);
    }
}

void CheckEntities(const QString &text, HtmlOutline &outline)
{
    static const QRegularExpression ampersand(QStringLiteral("&(#[0-9]+|[a-zA-Z]+)?(;?)"));
    for (const auto &match : ampersand.globalMatch(text)) {
        const QString name = match.captured(1);
        const bool known = name.startsWith(u'#') || kEntities.contains(name);
        if (!known || match.captured(2).isEmpty())
            outline.problems << QStringLiteral("stray or unknown entity: ") + match.captured(0);
    }
}

} // namespace

HtmlOutline ReadHtmlOutline(const QString &text)
{
    HtmlOutline outline;
    QString body = text;
    body.remove(QRegularExpression(QStringLiteral("<!--.*?-->"), QRegularExpression::DotMatchesEverythingOption));
    body.remove(QRegularExpression(QStringLiteral("<!DOCTYPE[^>]*>"), QRegularExpression::CaseInsensitiveOption));

    static const QRegularExpression tag(QStringLiteral(R"re(<(/?)([a-zA-Z][a-zA-Z0-9]*)([^<>]*)>)re"));
    QStringList open;
    QString between; // the text outside every tag, checked for stray brackets
    qsizetype last = 0;
    for (const auto &match : tag.globalMatch(body)) {
        between += body.mid(last, match.capturedStart() - last);
        last = match.capturedEnd();
        const QString name = match.captured(2).toLower();
        if (name == QStringLiteral("script"))
            outline.hasScript = true;
        if (match.captured(1).isEmpty()) {
            ReadAttributes(name, match.captured(3), outline);
            if (!kVoidElements.contains(name))
                open << name;
        } else if (open.isEmpty() || open.last() != name) {
            outline.problems << QStringLiteral("</%1> does not close <%2>")
                                    .arg(name, open.isEmpty() ? QStringLiteral("nothing") : open.last());
        } else {
            open.removeLast();
        }
    }
    between += body.mid(last);
    if (!open.isEmpty())
        outline.problems << QStringLiteral("left open: ") + open.join(u' ');
    if (between.contains(u'<') || between.contains(u'>'))
        outline.problems << QStringLiteral("a bracket outside any tag");
    CheckEntities(between, outline);

    static const QRegularExpression title(QStringLiteral("<title>([^<]*)</title>"));
    outline.title = title.match(body).captured(1).trimmed();
    return outline;
}

bool IsExternalLink(const QString &target)
{
    static const QRegularExpression scheme(QStringLiteral("^[a-zA-Z][a-zA-Z0-9+.-]*:"));
    return target.startsWith(u'#') || scheme.match(target).hasMatch();
}
