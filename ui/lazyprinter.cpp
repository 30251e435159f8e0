#include "ui/lazyprinter.h"

#include "ui/modules.h"

#include <QCoreApplication>

namespace kastlog::ui {

namespace {
const QString ModuleFile = QStringLiteral("libkastlog_print.so");
}

LazyPrinter::LazyPrinter(QString pdfPath, QStringList places)
    : m_pdfPath(std::move(pdfPath)), m_places(std::move(places)) {}

LazyPrinter::~LazyPrinter() = default;

Printer *LazyPrinter::real() {
    if (!m_tried) {
        m_tried = true;
        const modules::Resolved module = modules::resolve("printing", ModuleFile, PrinterSymbol, m_places);
        if (auto make = module.as<MakePrinter>())
            m_real.reset(make(m_pdfPath));
        else
            //: %1 is the file name of the printing module.
            m_failure = QCoreApplication::translate("Printing", "module d'impression %1 introuvable").arg(ModuleFile);
    }
    return m_real.get();
}

// Without the module there is no dialog to show: the printout goes on to fail with the reason.
bool LazyPrinter::selectPrinter(QWidget *parent) { return real() ? m_real->selectPrinter(parent) : true; }

void LazyPrinter::setFont(const QString &family, double pointSize, bool bold) {
    if (real()) m_real->setFont(family, pointSize, bold);
}

void LazyPrinter::printLine(const QString &line) {
    if (real()) m_real->printLine(line);
}

bool LazyPrinter::endDocument(QString *error) {
    if (real()) return m_real->endDocument(error);
    if (error) *error = m_failure;
    return false;
}

}  // namespace kastlog::ui
