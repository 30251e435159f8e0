// The module kastlog_print: Qt's printing, loaded by LazyPrinter at the first printout.
#include "ui/lazyprinter.h"
#include "ui/qtprinter.h"

extern "C" Q_DECL_EXPORT kastlog::ui::Printer *kastlog_print_printer(const QString &pdfPath) {
    if (pdfPath.isEmpty()) return new kastlog::ui::QtPrinter;
    return new kastlog::ui::QtPrinter(pdfPath);
}
