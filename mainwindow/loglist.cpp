#include "mainwindow/loglist.h"

#include "logstore/cp1252.h"

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

qsizetype LogListModel::copiesBefore(int row, const QString &record) const {
    QByteArray bytes;
    if (!cp1252::encode(record, bytes)) return 0;
    const QLatin1String wanted(bytes.constData(), bytes.size());
    qsizetype n = 0;
    for (qsizetype i = 0; i < qMin<qsizetype>(row, m_log.lineCount()); ++i)
        if (m_log.lines[size_t(i)] == wanted) ++n;
    return n;
}

int LogListModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_log.shown()); }

QVariant LogListModel::data(const QModelIndex &index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_log.shown()) return {};
    return m_log.displayLine(index.row());
}

}  // namespace kastlog
