#pragma once
// With uniform item sizes the list measures one item for all: a short line (a log edited by
// hand) would cut every line and hide the horizontal scroll bar. Every item is measured at
// least as wide as a full display line.
#include "logstore/record.h"

#include <QFontMetrics>
#include <QStyledItemDelegate>

namespace kastlog {

class FullWidthDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        const qsizetype missing = disp::Length - index.data().toString().size();
        if (missing > 0) s.rwidth() += QFontMetrics(option.font).horizontalAdvance(QString(missing, QLatin1Char(' ')));
        return s;
    }
};

}  // namespace kastlog
