#include "webviews/pagewindow.h"

#include "settings/settings.h"
#include "ui/browser.h"
#include "ui/centre.h"
#include "ui/services.h"
#include "webviews/awardpages.h"

namespace kastlog {

PageWindow::PageWindow(const Design &design, Services &services, QWidget *parent)
    : QWidget(parent, Qt::Window), m_services(services) {
    setObjectName(QString::fromLatin1(design.objectName));
    setWindowTitle(design.caption);
    setFixedSize(ui::px(design.clientTwips.width()), ui::px(design.clientTwips.height()));

    m_browser = m_services.browser->create(this);
    QWidget *view = m_browser->widget();
    view->setObjectName(QStringLiteral("WebBrowser1"));
    const QRect &b = design.browserTwips;
    view->setGeometry(ui::px(b.x()), ui::px(b.y()), ui::px(b.width()), ui::px(b.height()));

    Form_Load(design);
}

PageWindow::~PageWindow() = default;

// Centre, then ask for the page once; the program reads no result and handles no error:
// what the control shows on failure is its own page.
void PageWindow::Form_Load(const Design &design) {
    ui::centreOnScreen(this);
    m_url = award::pageUrl(m_services.settings->serveurDnj(), design.page);
    m_browser->navigate(m_url);
}

}  // namespace kastlog
