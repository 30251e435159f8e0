#include "spots/spotsmodel.h"

#include <algorithm>

namespace kastlog::spots {

void SpotsModel::setOnlyNew(bool only) {
    m_onlyNew = only;
    rebuild();
}

void SpotsModel::rebuild() {
    beginResetModel();
    m_visible.clear();
    for (int i = 0; i < m_book.rows().size(); ++i)
        if (shown(i)) m_visible.append(i);
    endResetModel();
}

int SpotsModel::firstAtOrAfter(int bookRow) const {
    return int(std::lower_bound(m_visible.cbegin(), m_visible.cend(), bookRow) - m_visible.cbegin());
}

int SpotsModel::rowOf(quint64 id) const {
    const int i = m_book.indexOf(id);
    if (i < 0) return -1;
    const int row = firstAtOrAfter(i);
    return row < m_visible.size() && m_visible[row] == i ? row : -1;
}

void SpotsModel::apply(const BookChange &c) {
    switch (c.kind) {
    case BookChange::None:
        return;
    case BookChange::Inserted: {
        if (c.lastDropped && !m_visible.isEmpty() && m_visible.last() == MaxSpots - 1) {
            beginRemoveRows({}, int(m_visible.size()) - 1, int(m_visible.size()) - 1);
            m_visible.removeLast();
            endRemoveRows();
        }
        const int row = firstAtOrAfter(c.to);
        for (int r = row; r < m_visible.size(); ++r) ++m_visible[r];
        if (!shown(c.to)) return;
        beginInsertRows({}, row, row);
        m_visible.insert(row, c.to);
        endInsertRows();
        return;
    }
    case BookChange::Moved: {
        // The book rows from `to` up to `from` each went one down, and `from` went to `to`.
        const int from = firstAtOrAfter(c.from);
        const int to = firstAtOrAfter(c.to);
        const bool isShown = from < m_visible.size() && m_visible[from] == c.from;
        if (!isShown) {
            for (int r = to; r < from; ++r) ++m_visible[r];
            return;
        }
        if (from != to) beginMoveRows({}, from, from, {}, to);
        m_visible.removeAt(from);
        for (int r = to; r < from; ++r) ++m_visible[r];
        m_visible.insert(to, c.to);
        if (from != to) endMoveRows();
        emit dataChanged(index(to, 0), index(to, ColumnCount - 1));
        return;
    }
    case BookChange::Updated: {
        const int row = firstAtOrAfter(c.to);
        if (row < m_visible.size() && m_visible[row] == c.to)
            emit dataChanged(index(row, Spotter), index(row, Spotter));
        return;
    }
    }
}

void SpotsModel::expired() {
    const int first = firstAtOrAfter(int(m_book.rows().size()));
    if (first >= m_visible.size()) return;
    beginRemoveRows({}, first, int(m_visible.size()) - 1);
    m_visible.resize(first);
    endRemoveRows();
}

QVariant SpotsModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= m_visible.size()) return {};
    const SpotRow &r = rowAt(index.row());
    if (role == Qt::BackgroundRole) return r.contacted ? Contacte : Nouveau;
    if (role == Qt::ToolTipRole && index.column() == Spotter) return r.spotters.join(QStringLiteral(", "));
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
    case Heure: return r.spot.time;
    case Bande: return r.spot.band;
    case Frequence: return r.spot.frequency;
    case Indicatif: return r.spot.call;
    case Ref: return r.spot.reference;
    case Spotter:
        // The latest spotter, and how many have spotted the activation when more than one.
        return r.spotters.size() > 1 ? QStringLiteral("%1 (%2)").arg(r.spot.spotter).arg(r.spotters.size())
                                     : r.spot.spotter;
    case Commentaire: return r.spot.comment;
    default: return r.contacted ? tr("déjà contacté") : QString();
    }
}

QVariant SpotsModel::headerData(int section, Qt::Orientation o, int role) const {
    if (o == Qt::Horizontal && role == Qt::DisplayRole) {
        // Looked up at each call, so that a language loaded later shows.
        switch (section) {
        //: Column header: UTC time of the spot.
        case Heure: return tr("Heure");
        //: Column header: the radio band.
        case Bande: return tr("Bande");
        //: Column header.
        case Frequence: return tr("Fréquence");
        //: Column header: the call sign of the spotted station.
        case Indicatif: return tr("Indicatif");
        //: Column header: the castle reference.
        case Ref: return tr("Ref");
        //: Column header: the station that sent the spot.
        case Spotter: return tr("Spotter");
        //: Column header.
        case Commentaire: return tr("Commentaire");
        case Contact: return QString();  // no heading, rather than the default number
        default: break;
        }
    }
    return QAbstractTableModel::headerData(section, o, role);
}

}  // namespace kastlog::spots
