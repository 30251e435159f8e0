#pragma once
// The castle activations the window shows: one row per call sign, reference and band, of the
// last 60 minutes, 500 at most, the newest first. A new spot of an activation updates its row
// (frequency, time, spotter, comment), puts it in its place by time and adds its spotter to
// those counted; a move to another band is another activation. Each row is marked when the
// log already holds that castle in the row's band group.
#include "spots/spotline.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>

namespace kastlog::spots {

constexpr int MaxSpots = 500;
constexpr int KeepMinutes = 60;

struct SpotRow {
    Spot spot;           // the latest spot of the activation
    QDateTime received;  // UTC, when that spot was made
    bool contacted = false;
    QStringList spotters;  // each spotter of the activation once, the first one first
    quint64 id = 0;        // the row's own, for as long as it lives
};

// What one spot did to the rows.
struct BookChange {
    enum Kind { None, Inserted, Moved, Updated } kind = None;
    int from = -1;             // Moved, Updated: the row's index before
    int to = -1;               // Inserted, Moved, Updated: its index now
    bool lastDropped = false;  // Inserted into a full book: its last row went first
};

class SpotBook {
public:
    // Takes a castle spot on one of the twelve bands made at `whenUtc`; nothing for any other
    // spot, nor for one older than the last expiry's limit.
    BookChange add(const Spot &spot, const QDateTime &whenUtc);
    // Drops the rows older than 60 minutes at `nowUtc`, and refuses older spots from now on;
    // the number of rows dropped (from the end).
    int expire(const QDateTime &nowUtc);
    // Reads the log lines again: which castles are already contacted in which group.
    void setLog(const QStringList &logLines);

    const QList<SpotRow> &rows() const { return m_rows; }  // newest first
    int indexOf(quint64 id) const;                          // -1 when gone

private:
    bool contacted(const Spot &spot) const;
    int placeFor(const QDateTime &whenUtc) const;

    QList<SpotRow> m_rows;
    QSet<QString> m_activations;            // the rows' keys: most spots are of a new one
    QHash<size_t, QStringList> m_logByRef;  // log lines by the hash of their reference column
    QDateTime m_limit;                      // spots before it are too old
    quint64 m_nextId = 1;
};

}  // namespace kastlog::spots
