// The module kastlog_print: Qt's printing, loaded by LazyPrinter at the first printout.
#include "ui/lazyprinter.h"
#include "ui/qtprinter.h"

#include <type_traits>

extern "C" Q_DECL_EXPORT kastlog::ui::Printer *kastlog_print_printer(const QString &pdfPath) {
    if (pdfPath.isEmpty()) return new kastlog::ui::QtPrinter;
    return new kastlog::ui::QtPrinter(pdfPath);
}
// What LazyPrinter calls it as.
static_assert(std::is_same_v<decltype(&kastlog_print_printer), kastlog::ui::MakePrinter>);
