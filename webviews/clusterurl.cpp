#include "webviews/clusterurl.h"

namespace kastlog::cluster {

namespace {
struct Choice {
    const char *entry;
    const char *token;
};
// 432 Mhz is served under "430".
constexpr Choice kChoices[ChoiceCount] = {
    {"All HF", "HF"},    {"1.8 Mhz", "1.8"}, {"3.5 Mhz", "3.5"}, {"7.0 Mhz", "7"},
    {"10 Mhz", "10"},    {"14 Mhz", "14"},   {"18 Mhz", "18"},   {"21 Mhz", "21"},
    {"24 Mhz", "24"},    {"28 Mhz", "28"},   {"50 Mhz", "50"},   {"144 Mhz", "144"},
    {"432 Mhz", "430"},  {"All VHF", "VHF"},
};

bool isGroupToken(const QString &token) {
    return token == QLatin1String("HF") || token == QLatin1String("VHF");
}
}  // namespace

QStringList bandChoices() {
    QStringList out;
    for (const Choice &c : kChoices) out << QString::fromLatin1(c.entry);
    return out;
}

QString bandToken(int position) {
    if (position < 0 || position >= ChoiceCount) return {};
    return QString::fromLatin1(kChoices[position].token);
}

int positionOfText(const QString &text) {
    for (int i = 0; i < ChoiceCount; ++i)
        if (text == QLatin1String(kChoices[i].entry)) return i;
    return NoChoice;
}

QString pageUrl(const QString &host, int position) {
    const QString token = bandToken(position);
    const QString base = QStringLiteral("http://") + host;
    if (isGroupToken(token)) return base + QStringLiteral("/dxc/top_250_") + token + QStringLiteral(".html");
    return base + QStringLiteral("/dxc/top_50_") + token + QStringLiteral("_MHz.html");
}

}  // namespace kastlog::cluster
