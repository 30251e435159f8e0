// The browser module: ui::BrowserFactory over QWebEngineView. Built as a loadable module so
// that the program links no WebEngine and pays for it only when a web window opens.
#include "ui/browser.h"

#include <QUrl>
#include <QWebEngineView>

namespace {

class WebEngineBrowserView : public kastlog::ui::BrowserView {
public:
    explicit WebEngineBrowserView(QWidget *parent) : m_view(new QWebEngineView(parent)) {}
    QWidget *widget() override { return m_view; }
    // The program waits for nothing and handles no error: a failed load shows the
    // browser's own page.
    void navigate(const QString &url) override { m_view->load(QUrl(url)); }

private:
    QWebEngineView *m_view;  // owned by its parent window
};

class WebEngineBrowserFactory : public kastlog::ui::BrowserFactory {
public:
    std::unique_ptr<kastlog::ui::BrowserView> create(QWidget *parent) override {
        return std::make_unique<WebEngineBrowserView>(parent);
    }
};

}  // namespace

extern "C" Q_DECL_EXPORT kastlog::ui::BrowserFactory *kastlog_webengine_factory() {
    static WebEngineBrowserFactory factory;
    return &factory;
}
