#include "ui/deferredicons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>
#include <QWidget>

#include <memory>

namespace kastlog::ui {

namespace {

class DeferredIconEngine : public QIconEngine {
public:
    // Copies of the icon (QIcon copies clone the engine) share what was made.
    struct Shared {
        std::function<QIcon()> make;
        QIcon icon;
        bool made = false;
    };
    explicit DeferredIconEngine(std::shared_ptr<Shared> shared) : m_shared(std::move(shared)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, 1.0, mode, state);
    }
    // `size` is in device pixels here; the icon wants it in its own.
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return icon().pixmap(size / scale, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QString iconName() override { return icon().name(); }
    // Asked when the icon is set on a button: answered without making it.
    bool isNull() override { return m_shared->made && m_shared->icon.isNull(); }
    QString key() const override { return QStringLiteral("KastlogDeferredIcon"); }
    QIconEngine *clone() const override { return new DeferredIconEngine(m_shared); }

private:
    const QIcon &icon() {
        if (!m_shared->made) {
            m_shared->made = true;
            m_shared->icon = m_shared->make();
            m_shared->make = nullptr;
        }
        return m_shared->icon;
    }
    std::shared_ptr<Shared> m_shared;
};

}  // namespace

QIcon deferredIcon(std::function<QIcon()> make) {
    auto shared = std::make_shared<DeferredIconEngine::Shared>();
    shared->make = std::move(make);
    return QIcon(new DeferredIconEngine(std::move(shared)));
}

QIcon DeferredIconStyle::standardIcon(StandardPixmap icon, const QStyleOption *option,
                                      const QWidget *widget) const {
    if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    // The option and the widget may be gone when the icon is first drawn; the extension
    // icons depend on neither beyond the layout direction, taken now.
    const Qt::LayoutDirection direction = widget ? widget->layoutDirection() : QGuiApplication::layoutDirection();
    QPointer<QStyle> base = baseStyle();
    return deferredIcon([base, icon, direction] {
        QStyleOption o;
        o.direction = direction;
        return (base ? base.data() : QApplication::style())->standardIcon(icon, &o, nullptr);
    });
}

}  // namespace kastlog::ui
