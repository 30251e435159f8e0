#include "ui/qtprinter.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace kastlog::ui {

namespace {

// Families the lists print with expect every character the same width; where the family
// itself is not installed, the hint picks a fixed-pitch face instead of a proportional one.
bool fixedPitch(const QString &family) {
    return family.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0
        || family.compare(QLatin1String("Courier"), Qt::CaseInsensitive) == 0
        || family.compare(QLatin1String("Terminal"), Qt::CaseInsensitive) == 0;
}

QFont makeFont(const QString &family, double pointSize, bool bold) {
    QFont f(family);
    if (fixedPitch(family)) {
        f.setStyleHint(QFont::TypeWriter);
        f.setFixedPitch(true);
    }
    if (pointSize > 0) f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}

}  // namespace

QtPrinter::QtPrinter() { m_font = makeFont(QStringLiteral("Courier New"), 9, false); }

QtPrinter::QtPrinter(const QString &pdfPath) : QtPrinter() {
    m_toFile = true;
    m_pdfPath = pdfPath;
}

// Made on first use: a QPrinter loads the system's print support (CUPS and the libraries
// it needs), which the program's start-up has no use for. Kept afterwards, with the
// printer chosen in the dialog.
QPrinter *QtPrinter::printer() {
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (m_toFile) {
            m_printer->setOutputFormat(QPrinter::PdfFormat);
            m_printer->setOutputFileName(m_pdfPath);
        }
    }
    return m_printer.get();
}

QtPrinter::~QtPrinter() {
    if (m_painter && m_painter->isActive()) m_painter->end();
}

bool QtPrinter::selectPrinter(QWidget *parent) {
    if (m_toFile) return true;
    QPrintDialog dialog(printer(), parent);
    return dialog.exec() == QDialog::Accepted;
}

void QtPrinter::setFont(const QString &family, double pointSize, bool bold) {
    m_font = makeFont(family, pointSize, bold);
    if (m_painter && m_painter->isActive()) m_painter->setFont(m_font);
}

// The document starts with its first line, so that a printer chosen in the dialog is the
// one printed on.
bool QtPrinter::begin() {
    if (m_painter && m_painter->isActive()) return true;
    if (!m_failure.isEmpty()) return false;
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(printer())) {
        const QString name = m_printer->printerName();
        m_failure = name.isEmpty()
            ? QCoreApplication::translate("Printing", "L'imprimante ne peut pas commencer l'impression")
            //: %1 is the printer's name.
            : QCoreApplication::translate("Printing", "L'imprimante ne peut pas commencer l'impression (%1)").arg(name);
        m_painter.reset();
        return false;
    }
    m_painter->setFont(m_font);
    m_y = 0;
    return true;
}

void QtPrinter::printLine(const QString &line) {
    if (!m_failure.isEmpty() || !begin()) return;
    const QFontMetricsF metrics(m_font, printer());
    const double height = m_printer->pageLayout().paintRectPixels(m_printer->resolution()).height();
    if (m_y > 0 && m_y + metrics.height() > height) {
        if (!m_printer->newPage()) {
            m_failure = QCoreApplication::translate("Printing", "L'imprimante ne peut pas commencer une nouvelle page");
            return;
        }
        m_y = 0;
    }
    m_painter->drawText(QPointF(0, m_y + metrics.ascent()), line);
    m_y += metrics.lineSpacing();
}

bool QtPrinter::endDocument(QString *error) {
    bool ok = m_failure.isEmpty();
    if (m_painter && m_painter->isActive() && !m_painter->end()) ok = false;
    if (!ok && error)
        *error = m_failure.isEmpty()
            ? QCoreApplication::translate("Printing", "L'impression n'a pas pu etre terminee") : m_failure;
    m_painter.reset();
    m_failure.clear();
    m_y = 0;
    return ok;
}

}  // namespace kastlog::ui
