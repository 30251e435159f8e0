#include "mainwindow/loglist.h"

namespace kastlog {

void LogListModel::setLog(LoadedLog log) {
    beginResetModel();
    m_log = std::move(log);
    m_all.clear();
    endResetModel();
}

void LogListModel::clear() { setLog(LoadedLog()); }

QStringList LogListModel::lines() const {
    // The search asks for them at every search and click: made once per load.
    if (m_all.isEmpty() && m_log.shown() > 0) m_all = m_log.displayLines();
    return m_all;
}

int LogListModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_log.shown()); }

QVariant LogListModel::data(const QModelIndex &index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_log.shown()) return {};
    return m_log.displayLine(index.row());
}

}  // namespace kastlog
