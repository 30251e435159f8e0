#pragma once
// The rows of the table "Spots DX" over the spot book, all or only the castles new in their
// band group, grey when the castle is already in the log, green when it is new. The book's
// changes reach the view as row insertions, moves and removals, so that the row the operator
// has chosen stays chosen while spots come in.
#include "spots/spotbook.h"

#include <QAbstractTableModel>
#include <QColor>

namespace kastlog::spots {

inline const QColor Contacte(208, 208, 208);  // a castle already in the log
inline const QColor Nouveau(192, 255, 192);   // a castle new in that band group

class SpotsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Heure, Bande, Frequence, Indicatif, Ref, Spotter, Commentaire, Contact, ColumnCount };

    explicit SpotsModel(const SpotBook &book, QObject *parent = nullptr) : QAbstractTableModel(parent), m_book(book) {}
    void setOnlyNew(bool only);
    void rebuild();  // after any change of the book but those below
    void apply(const BookChange &change);
    void expired();  // the book has dropped rows from its end
    const SpotRow &rowAt(int row) const { return m_book.rows()[m_visible[row]]; }
    int rowOf(quint64 id) const;  // -1 when not shown

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(m_visible.size()); }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : ColumnCount; }
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

private:
    bool shown(int bookRow) const { return !m_onlyNew || !m_book.rows()[bookRow].contacted; }
    int firstAtOrAfter(int bookRow) const;  // where a book row goes among those shown

    const SpotBook &m_book;
    QList<int> m_visible;  // indexes into the book's rows, ascending
    bool m_onlyNew = false;
};

}  // namespace kastlog::spots
