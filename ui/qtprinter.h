#pragma once
// The printer over Qt: QPrintDialog to choose it, QPainter to draw the lines.
#include "ui/printer.h"

#include <QFont>
#include <memory>

class QPainter;
class QPrinter;

namespace kastlog::ui {

class QtPrinter : public Printer {
public:
    // The system's printers, chosen in the printer-selection dialog.
    QtPrinter();
    // A PDF file at `pdfPath`; selectPrinter then accepts without showing anything.
    explicit QtPrinter(const QString &pdfPath);
    ~QtPrinter() override;

    bool selectPrinter(QWidget *parent) override;
    void setFont(const QString &family, double pointSize, bool bold) override;
    void printLine(const QString &line) override;
    bool endDocument(QString *error) override;

private:
    bool begin();
    QPrinter *printer();

    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
    bool m_toFile = false;
    QString m_pdfPath;
    QFont m_font;
    double m_y = 0;        // top of the next line, in device units
    QString m_failure;     // why the document could not be started
};

}  // namespace kastlog::ui
