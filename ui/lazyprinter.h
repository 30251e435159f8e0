#pragma once
// The program's printer: Qt's printing (QtPrinter) lives in the module kastlog_print, loaded
// at the first printout, so start-up loads neither Qt PrintSupport nor CUPS. Without the
// module the printout fails with a message that names it.
#include "ui/printer.h"

#include <QStringList>
#include <memory>

namespace kastlog::ui {

// The module's factory: a printer to the system's printers, or to the PDF file `pdfPath`
// when it is not empty.
inline constexpr const char *PrinterSymbol = "kastlog_print_printer";
using MakePrinter = Printer *(*)(const QString &pdfPath);

class LazyPrinter : public Printer {
public:
    // `places`: where to look for the module (tests); empty, the usual places.
    explicit LazyPrinter(QString pdfPath = {}, QStringList places = {});
    ~LazyPrinter() override;

    bool selectPrinter(QWidget *parent) override;
    void setFont(const QString &family, double pointSize, bool bold) override;
    void printLine(const QString &line) override;
    bool endDocument(QString *error) override;

private:
    Printer *real();

    QString m_pdfPath;
    QStringList m_places;
    bool m_tried = false;
    std::unique_ptr<Printer> m_real;
    QString m_failure;
};

}  // namespace kastlog::ui
