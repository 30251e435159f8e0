#pragma once
// The main list's lines: the loaded log, each display line made when the view asks for it, so
// that a log of thousands of QSOs shows at once.
#include "logstore/logstore.h"

#include <QAbstractListModel>
#include <QStringList>

namespace kastlog {

class LogListModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;
    void setLog(LoadedLog log);
    void clear();
    QStringList lines() const;  // every display line
    // How many lines before `row` are the record `record`: which of identical lines a row is.
    qsizetype copiesBefore(int row, const QString &record) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    LoadedLog m_log;
    mutable QStringList m_all;  // every display line, made at the first call of lines()
};

}  // namespace kastlog
