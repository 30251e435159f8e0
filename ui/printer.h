#pragma once
// The printer as the castle list uses it: a selection dialog, a font, lines, end of document.
#include <QString>

class QWidget;

namespace kastlog::ui {

class Printer {
public:
    virtual ~Printer() = default;
    // The printer-selection dialog; false when the operator cancels it.
    virtual bool selectPrinter(QWidget *parent) = 0;
    virtual void setFont(const QString &family, double pointSize, bool bold) = 0;
    virtual void printLine(const QString &line) = 0;  // flows onto a new page when full
    // Sends the document; false with `error` filled when the printer fails.
    virtual bool endDocument(QString *error) = 0;
};

}  // namespace kastlog::ui
