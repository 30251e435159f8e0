#include "ui/centre.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace kastlog::ui {

void centreOnScreen(QWidget *w) {
    if (!w) return;
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    // A window never sized by its code takes its layout's size before it is measured.
    if (!w->testAttribute(Qt::WA_Resized)) w->adjustSize();
    const QRect area = screen->availableGeometry();
    const QSize size = w->frameGeometry().size();
    w->move(area.x() + (area.width() - size.width()) / 2,
            area.y() + (area.height() - size.height()) / 2);
}

}  // namespace kastlog::ui
