#include "ui/messagebox.h"

#include <QApplication>
#include <QMessageBox>

namespace kastlog::ui {

namespace {
const QString Title = QStringLiteral("KASTLOG");
}

void QtMessageBox::info(const QString &text) {
    QMessageBox box(QMessageBox::NoIcon, Title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
}

bool QtMessageBox::askYesNo(const QString &text) {
    QMessageBox box(QMessageBox::NoIcon, Title, text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Yes);  // Enter answers Yes
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace kastlog::ui
