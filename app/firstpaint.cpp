#include "app/firstpaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace kastlog {
namespace {

class FirstPaint : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            watched->removeEventFilter(this);
            // Queued: runs once this paint has been drawn and flushed.
            QTimer::singleShot(0, this, [] {
                std::fputs("first paint\n", stdout);
                std::fflush(stdout);
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};

}  // namespace

void reportFirstPaintWhenAsked(QWidget *window) {
    if (!qEnvironmentVariableIsSet("KASTLOG_REPORT_FIRST_PAINT")) return;
    window->installEventFilter(new FirstPaint(window));
}

}  // namespace kastlog
