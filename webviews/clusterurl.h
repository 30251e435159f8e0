#pragma once
// The cluster window's band choices and the spot page each one asks for. Plain logic: the
// browser control only ever receives the finished URL.
#include <QString>
#include <QStringList>

namespace kastlog::cluster {

constexpr int NoChoice = -1;     // the text part holds a text that is no entry
constexpr int ChoiceCount = 14;  // "All HF", twelve bands, "All VHF"

// The entries of `Bande_CL`, in list order; the position is what "bande Cluster" keeps.
QStringList bandChoices();

// The token put into the page name: "HF", "1.8", ... "430" for 432 Mhz, "VHF"; empty for
// no choice (and for any position that is no entry).
QString bandToken(int position);

// The position of the entry whose text is exactly `text`, NoChoice when there is none.
int positionOfText(const QString &text);

// "http://" + host + "/dxc/top_250_<token>.html" for the two group pages,
// "http://" + host + "/dxc/top_50_<token>_MHz.html" for every other token, the empty one too.
QString pageUrl(const QString &host, int position);

}  // namespace kastlog::cluster
