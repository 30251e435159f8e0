#include "mainwindow/columnheader.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QListView>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

namespace kastlog {

QList<Heading> headings() {
    // Each word stands over a column of the display lines: a translation longer than the room
    // given in its comment runs into the next word. "Mom" is the heading's own spelling.
    struct Entry { const char *word; int headerCol, displayCol; };
    static const Entry entries[] = {
        //: Column heading: line number (3 characters)
        {QT_TRANSLATE_NOOP("ColumnHeader", "N°"), 6, 4},
        //: Column heading: call sign (13 characters)
        {QT_TRANSLATE_NOOP("ColumnHeader", "Indicatif"), 11, 8},
        //: Column heading: province code (4 characters)
        {QT_TRANSLATE_NOOP("ColumnHeader", "Prov"), 29, 22},
        //: Column heading: first name (15 characters)
        {QT_TRANSLATE_NOOP("ColumnHeader", "Prénom"), 36, 27},
        //: Column heading: castle reference (6 characters)
        {QT_TRANSLATE_NOOP("ColumnHeader", "Ref"), 58, 43},
        //: Column heading (9 characters)
        {QT_TRANSLATE_NOOP("ColumnHeader", "Date"), 68, 50},
        //: Column heading: the time, in the Q code (6 characters)
        {QT_TRANSLATE_NOOP("ColumnHeader", "QTR"), 79, 60},
        //: Column heading: the radio mode (4 characters)
        {QT_TRANSLATE_NOOP("ColumnHeader", "Mode"), 84, 67},
        //: Column heading: the band (frequency), in the Q code (8 characters)
        {QT_TRANSLATE_NOOP("ColumnHeader", "QRG"), 91, 72},
        //: Column heading: report received (4 characters)
        {QT_TRANSLATE_NOOP("ColumnHeader", "RSTR"), 96, 81},
        //: Column heading: report sent (3 characters)
        {QT_TRANSLATE_NOOP("ColumnHeader", "RSTE"), 101, 86},
        //: Column heading: name of the castle (29 characters)
        {QT_TRANSLATE_NOOP("ColumnHeader", "Mom du Chateau"), 113, 90},
        //: Column heading: QSL card exchanged, marked "*" (3 characters)
        {QT_TRANSLATE_NOOP("ColumnHeader", "QSL"), 142, 120},
    };
    QList<Heading> h;
    for (const Entry &e : entries)
        h.append({QCoreApplication::translate("ColumnHeader", e.word), e.headerCol, e.displayCol});
    return h;
}

QString columnHeaderText() {
    QString text(144, QLatin1Char(' '));
    for (const Heading &h : headings()) text.replace(h.headerCol - 1, h.word.size(), h.word);
    text.truncate(144);  // a long translation of the last word stays inside the heading
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
