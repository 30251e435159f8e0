#pragma once
// A window that shows one fixed page of the award's web server in its one control
// `WebBrowser1`. `Reglement` and `Liste_DNJ1` are two of these.
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>
#include <memory>

namespace kastlog {
struct Services;
namespace ui {
class BrowserView;
}

class PageWindow : public QWidget {
    Q_OBJECT
public:
    ~PageWindow() override;
    QString url() const { return m_url; }  // the page asked for at load

protected:
    struct Design {
        const char *objectName;
        QString caption;
        QSize clientTwips;
        QRect browserTwips;  // left, top, width, height
        QString page;        // path on the award's server
    };
    PageWindow(const Design &design, Services &services, QWidget *parent);

private:
    void Form_Load(const Design &design);

    Services &m_services;
    std::unique_ptr<ui::BrowserView> m_browser;
    QString m_url;
};

}  // namespace kastlog
