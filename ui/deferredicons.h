#pragma once
// Every menu bar makes the icon of its extension button (shown only when the menus do not
// fit) as it is built. Making a standard icon reads its picture files, and the picture
// reader first loads every image-format plugin installed to ask whether it reads PNG:
// milliseconds of start-up for a button that is almost never seen. This style makes those
// icons when they are first drawn instead; they look the same.
#include <QProxyStyle>

#include <functional>

namespace kastlog::ui {

// An icon that calls `make` the first time it is drawn or measured, then acts as its result.
QIcon deferredIcon(std::function<QIcon()> make);

// The style the application would have used (its -style option, else the desktop's), with
// the extension buttons' icons deferred. Set it before the first window is built.
class DeferredIconStyle : public QProxyStyle {
    Q_OBJECT
public:
    DeferredIconStyle() = default;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

}  // namespace kastlog::ui
