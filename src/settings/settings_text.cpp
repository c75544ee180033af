#include "settings_text.h"

#include <QList>

namespace wd::settings {

namespace {

QString unescaped(const QString& raw)
{
    QString value;
    bool quoted = false;
    qsizetype kept = 0;  // what no trimming may take: up to the last quoted or escaped character
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
            kept = value.size();
        } else if (c == QLatin1Char('\\') && i + 1 < raw.size()) {
            const QChar next = raw[++i];
            value += next == QLatin1Char('n') ? QChar('\n') : next == QLatin1Char('t') ? QChar('\t') : next;
            kept = value.size();
        } else if (quoted || !c.isSpace() || !value.isEmpty()) {
            value += c;
            if (quoted)
                kept = value.size();
        }
    }
    while (value.size() > kept && value.back().isSpace())
        value.chop(1);
    if (value.startsWith(QLatin1String("@@")))
        value.remove(0, 1);  // a leading '@' is doubled, as other '@' values are typed
    return value;
}

QString escaped(const QString& value)
{
    QString text = value.startsWith(QLatin1Char('@')) ? QStringLiteral("@") : QString();
    bool quote = value.isEmpty() ? false : value.front().isSpace() || value.back().isSpace();
    for (const QChar c : value) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('"'))
            text += QLatin1Char('\\');
        if (c == QLatin1Char(',') || c == QLatin1Char(';') || c == QLatin1Char('=') || c == QLatin1Char('#'))
            quote = true;  // a comma would make it a list
        if (c == QLatin1Char('\n'))
            text += QStringLiteral("\\n");
        else if (c == QLatin1Char('\t'))
            text += QStringLiteral("\\t");
        else
            text += c;
    }
    return quote ? QLatin1Char('"') + text + QLatin1Char('"') : text;
}

}  // namespace

Values parse_ini(const QByteArray& text)
{
    Values values;
    QString group;
    for (const QByteArray& bytes : text.split('\n')) {
        const QString line = QString::fromUtf8(bytes).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            group = line.mid(1, line.size() - 2);
            if (group == QLatin1String("General"))
                group.clear();
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        values.insert(group.isEmpty() ? key : group + QLatin1Char('/') + key, unescaped(line.mid(equals + 1)));
    }
    return values;
}

QByteArray write_ini(const Values& values)
{
    QMap<QString, QList<QString>> groups;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const qsizetype slash = it.key().lastIndexOf(QLatin1Char('/'));
        const QString group = slash < 0 ? QStringLiteral("General") : it.key().left(slash);
        groups[group] << it.key().mid(slash + 1) + QLatin1Char('=') + escaped(it.value());
    }
    QByteArray text;
    for (auto it = groups.cbegin(); it != groups.cend(); ++it) {
        if (!text.isEmpty())
            text += '\n';
        text += '[' + it.key().toUtf8() + "]\n";
        for (const QString& line : it.value())
            text += line.toUtf8() + '\n';
    }
    return text;
}

}  // namespace wd::settings
