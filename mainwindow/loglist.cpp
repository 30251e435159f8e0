#include "mainwindow/loglist.h"

namespace kastlog {

void LogListModel::setLog(LoadedLog log) {
    beginResetModel();
    m_log = std::move(log);
    endResetModel();
}

void LogListModel::clear() { setLog(LoadedLog()); }

QStringList LogListModel::lines() const { return m_log.displayLines(); }

int LogListModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_log.shown()); }

QVariant LogListModel::data(const QModelIndex &index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_log.shown()) return {};
    return m_log.displayLine(index.row());
}

}  // namespace kastlog
