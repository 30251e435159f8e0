#include "mainwindow/columnheader.h"

#include <QFontMetrics>
#include <QListView>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

namespace kastlog {

const QList<Heading> &headings() {
    // "Mom" is the heading's own spelling.
    static const QList<Heading> h = {
        {QStringLiteral("N°"), 6, 4},         {QStringLiteral("Indicatif"), 11, 8},
        {QStringLiteral("Prov"), 29, 22},     {QStringLiteral("Prénom"), 36, 27},
        {QStringLiteral("Ref"), 58, 43},      {QStringLiteral("Date"), 68, 50},
        {QStringLiteral("QTR"), 79, 60},      {QStringLiteral("Mode"), 84, 67},
        {QStringLiteral("QRG"), 91, 72},      {QStringLiteral("RSTR"), 96, 81},
        {QStringLiteral("RSTE"), 101, 86},    {QStringLiteral("Mom du Chateau"), 113, 90},
        {QStringLiteral("QSL"), 142, 120},
    };
    return h;
}

QString columnHeaderText() {
    QString text(144, QLatin1Char(' '));
    for (const Heading &h : headings()) text.replace(h.headerCol - 1, h.word.size(), h.word);
    return text;
}

ColumnHeader::ColumnHeader(QListView *list, QWidget *parent) : QLabel(parent), m_list(list) {
    setText(columnHeaderText());
    connect(list->horizontalScrollBar(), &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
}

void ColumnHeader::paintEvent(QPaintEvent *) {
    // The words go where the list draws the first character of their column: the list's
    // viewport, plus the item text margin, minus what is scrolled away.
    QPainter p(this);
    p.setFont(m_list->font());
    p.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics fm(m_list->font());
    const int advance = fm.horizontalAdvance(QLatin1Char('0'));
    const int margin = m_list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_list) + 1;
    const int origin = mapFromGlobal(m_list->viewport()->mapToGlobal(QPoint(0, 0))).x() + margin
                       - m_list->horizontalScrollBar()->value();
    const int baseline = (height() + fm.ascent() - fm.descent()) / 2;
    for (const Heading &h : headings())
        p.drawText(origin + (h.displayCol - 1) * advance, baseline, h.word);
}

}  // namespace kastlog
