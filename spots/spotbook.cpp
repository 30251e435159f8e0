#include "spots/spotbook.h"

#include "logstore/bandgroup.h"
#include "logstore/record.h"

namespace kastlog::spots {

namespace {

size_t refKey(QStringView ref) { return qHash(ref); }

QString activation(const Spot &s) { return s.call.toUpper() + u'|' + s.reference + u'|' + s.band; }

bool sameActivation(const Spot &a, const Spot &b) {
    return a.reference == b.reference && a.band == b.band && a.call.compare(b.call, Qt::CaseInsensitive) == 0;
}

}  // namespace

int SpotBook::placeFor(const QDateTime &whenUtc) const {
    int p = 0;
    while (p < m_rows.size() && m_rows[p].received > whenUtc) ++p;
    return p;
}

int SpotBook::indexOf(quint64 id) const {
    for (int i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].id == id) return i;
    return -1;
}

BookChange SpotBook::add(const Spot &spot, const QDateTime &whenUtc) {
    BookChange c;
    if (spot.reference.isEmpty() || spot.band.isEmpty()) return c;
    if (m_limit.isValid() && whenUtc < m_limit) return c;
    const QString key = activation(spot);
    if (m_activations.contains(key)) {
        int i = 0;
        while (!sameActivation(m_rows[i].spot, spot)) ++i;
        SpotRow &row = m_rows[i];
        if (!row.spotters.contains(spot.spotter, Qt::CaseInsensitive)) row.spotters.append(spot.spotter);
        c.from = i;
        if (whenUtc < row.received) {  // an older spot, from an answer to "sh/dx"
            c.kind = BookChange::Updated;
            c.to = i;
            return c;
        }
        SpotRow moved = m_rows.takeAt(i);
        moved.spot = spot;
        moved.received = whenUtc;
        c.to = placeFor(whenUtc);
        m_rows.insert(c.to, std::move(moved));
        c.kind = BookChange::Moved;
        return c;
    }
    const int place = placeFor(whenUtc);
    if (place >= MaxSpots) return c;  // older than every row of a full book
    if (m_rows.size() == MaxSpots) {
        m_activations.remove(activation(m_rows.last().spot));
        m_rows.removeLast();
        c.lastDropped = true;
    }
    m_rows.insert(place, {spot, whenUtc, contacted(spot), {spot.spotter}, m_nextId++});
    m_activations.insert(key);
    c.kind = BookChange::Inserted;
    c.to = place;
    return c;
}

int SpotBook::expire(const QDateTime &nowUtc) {
    m_limit = nowUtc.addSecs(-60 * KeepMinutes);
    int dropped = 0;
    while (!m_rows.isEmpty() && m_rows.last().received < m_limit) {
        m_activations.remove(activation(m_rows.last().spot));
        m_rows.removeLast();
        ++dropped;
    }
    return dropped;
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
