#pragma once
// The embedded web browser, as the web windows use it.
#include <QString>
#include <memory>

class QWidget;

namespace kastlog::ui {

class BrowserView {
public:
    virtual ~BrowserView() = default;
    virtual QWidget *widget() = 0;
    virtual void navigate(const QString &url) = 0;
};

class BrowserFactory {
public:
    virtual ~BrowserFactory() = default;
    virtual std::unique_ptr<BrowserView> create(QWidget *parent) = 0;
};

}  // namespace kastlog::ui
