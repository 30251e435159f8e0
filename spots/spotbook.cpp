#include "spots/spotbook.h"

#include "logstore/bandgroup.h"
#include "logstore/record.h"

namespace kastlog::spots {

namespace {
size_t refKey(QStringView ref) { return qHash(ref); }
}  // namespace

bool SpotBook::add(const Spot &spot, const QDateTime &receivedUtc) {
    if (spot.reference.isEmpty() || spot.band.isEmpty()) return false;
    m_rows.prepend({spot, receivedUtc, contacted(spot)});
    if (m_rows.size() > MaxSpots) m_rows.resize(MaxSpots);
    return true;
}

void SpotBook::expire(const QDateTime &nowUtc) {
    const QDateTime limit = nowUtc.addSecs(-60 * KeepMinutes);
    while (!m_rows.isEmpty() && m_rows.last().received < limit) m_rows.removeLast();
}

void SpotBook::setLog(const QStringList &logLines) {
    // Only the lines of a castle can match it: the entry's own search then runs over those
    // with the same hash of the reference column, and compares exactly.
    m_logByRef.clear();
    for (const QString &line : logLines) m_logByRef[refKey(columnView(line, rec::RefCol, rec::RefWidth))].append(line);
    for (SpotRow &r : m_rows) r.contacted = contacted(r.spot);
}

bool SpotBook::contacted(const Spot &spot) const {
    const auto it = m_logByRef.constFind(refKey(spot.reference));
    if (it == m_logByRef.constEnd()) return false;
    return rechercheChateauContacte(*it, spot.reference, bandGroup(spot.band)).found;
}

}  // namespace kastlog::spots
