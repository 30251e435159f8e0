#include "spots/nodetext.h"

#include "spots/spotline.h"

namespace kastlog::spots {

namespace {
bool endsWith(QStringView text, QStringView end) { return text.trimmed().endsWith(end, Qt::CaseInsensitive); }
}  // namespace

bool isLoginPrompt(QStringView text) {
    return endsWith(text, u"login:") || endsWith(text, u"call:") || endsWith(text, u"callsign:");
}

bool isPasswordPrompt(QStringView text) { return endsWith(text, u"password:"); }

bool isCommandPrompt(QStringView text) { return text.trimmed().endsWith(u'>') && !text.contains(u'<'); }

bool isRefusal(QStringView text) {
    const QStringView t = text.trimmed();
    return t.startsWith(u"sorry", Qt::CaseInsensitive) || t.contains(u"invalid call", Qt::CaseInsensitive) ||
           t.contains(u"not allowed", Qt::CaseInsensitive);
}

QStringList splitCommands(const QString &setting) {
    QStringList commands;
    for (const QString &c : setting.split(u';')) {
        const QString t = c.trimmed();
        if (!t.isEmpty()) commands.append(t);
    }
    return commands;
}

QString spotBackCommand(const Spot &spot) {
    return QStringLiteral("DX %1 %2 DNJ %3").arg(spot.frequency, spot.call, spot.reference);
}

}  // namespace kastlog::spots
