#include "ui/centre.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace kastlog::ui {

namespace {

void place(QWidget *w) {
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    QSize size = w->frameGeometry().size();
    // Before the window is on the screen its frame is not counted yet: ask the native window.
    if (w->isWindow() && size == w->size()) {
        w->winId();
        if (const QWindow *native = w->windowHandle()) {
            const QMargins m = native->frameMargins();
            size += QSize(m.left() + m.right(), m.top() + m.bottom());
        }
    }
    w->move(area.x() + (area.width() - size.width()) / 2,
            area.y() + (area.height() - size.height()) / 2);
}

// The window frame is only known once the window is on the screen: a window centred before
// it is shown is centred again, frame included, when it first appears.
// It has no meta-object of its own, so it is found again by its name, never by its type.
const char *const CentreOnShowName = "kastlog-centre-on-show";

class CentreOnShow : public QObject {
public:
    explicit CentreOnShow(QWidget *w) : QObject(w) {
        setObjectName(QLatin1String(CentreOnShowName));
        w->installEventFilter(this);
    }
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Show && watched == parent()) {
            place(static_cast<QWidget *>(watched));
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

}  // namespace

void centreOnScreen(QWidget *w) {
    if (!w) return;
    // Measured as it will be shown: styled, laid out, and at its layout's size when its
    // code never sized it.
    w->ensurePolished();
    if (w->layout()) w->layout()->activate();
    if (!w->testAttribute(Qt::WA_Resized)) w->adjustSize();
    place(w);
    if (!w->isVisible() && w->isWindow() && !w->findChild<QObject *>(QLatin1String(CentreOnShowName), Qt::FindDirectChildrenOnly))
        new CentreOnShow(w);
}

}  // namespace kastlog::ui
