#pragma once
// The castle spots the window shows: those of the last 60 minutes, 500 at most, newest
// first, each marked when the log already holds that castle in the spot's band group.
#include "spots/spotline.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QStringList>

namespace kastlog::spots {

constexpr int MaxSpots = 500;
constexpr int KeepMinutes = 60;

struct SpotRow {
    Spot spot;
    QDateTime received;  // UTC
    bool contacted = false;
};

class SpotBook {
public:
    // Keeps a castle spot on one of the twelve bands; false (nothing kept) for any other.
    bool add(const Spot &spot, const QDateTime &receivedUtc);
    // Drops the spots older than 60 minutes at `nowUtc`.
    void expire(const QDateTime &nowUtc);
    // Reads the log lines again: which castles are already contacted in which group.
    void setLog(const QStringList &logLines);

    const QList<SpotRow> &rows() const { return m_rows; }  // newest first

private:
    bool contacted(const Spot &spot) const;

    QList<SpotRow> m_rows;
    QHash<size_t, QStringList> m_logByRef;  // log lines by the hash of their reference column
};

}  // namespace kastlog::spots
