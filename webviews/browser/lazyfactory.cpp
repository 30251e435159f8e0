#include "webviews/browser/webengine.h"

#include "ui/browser.h"
#include "ui/modules.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QOpenGLContext>
#include <QSurfaceFormat>

#include <algorithm>
#include <memory>
#include <unistd.h>

// QtGui's own setter (exported, not in a public header) of the context that
// QOpenGLContext::globalShareContext() returns.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);

namespace kastlog {

namespace {

const QString ModuleFile = QStringLiteral("libkastlog_webengine.so");

// Shown in place of the page when the browser module is missing: the window still opens
// and says where it would have gone.
class NoticeView : public ui::BrowserView {
public:
    explicit NoticeView(QWidget *parent) : m_label(new QLabel(parent)) {
        m_label->setAlignment(Qt::AlignCenter);
        m_label->setWordWrap(true);
        m_label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    QWidget *widget() override { return m_label; }
    void navigate(const QString &url) override {
        //: %1 is the address of the page that would have been shown.
        m_label->setText(
            QCoreApplication::translate("WebBrowser", "Le navigateur intégré n'est pas disponible.\n%1").arg(url));
    }

private:
    QLabel *m_label;
};

// WebEngine draws through an OpenGL context shared with its windows and crashes without
// one. Qt::AA_ShareOpenGLContexts would make it when the application is built, loading the
// GL driver (tens of MB, tens of ms) for windows the operator may never open; made here, on
// the first web window, it serves the same (offscreen, where create() fails, WebEngine
// draws without GL as it does with the attribute).
void shareContextsFromNowOn() {
    if (QOpenGLContext::globalShareContext()) return;
    auto *context = new QOpenGLContext(qApp);
    context->setFormat(QSurfaceFormat::defaultFormat());
    context->create();
    qt_gl_set_global_share_context(context);
}

class LazyFactory : public ui::BrowserFactory {
public:
    // No candidates: the usual places, found when the first view is asked for.
    explicit LazyFactory(QStringList candidates = {}) : m_candidates(std::move(candidates)) {}
    std::unique_ptr<ui::BrowserView> create(QWidget *parent) override {
        if (!m_tried) load();
        if (m_real) return m_real->create(parent);
        return std::make_unique<NoticeView>(parent);
    }
    bool loaded() const { return m_real != nullptr; }
    QString path() const { return m_path; }

private:
    void load() {
        m_tried = true;
        webengine::disableSandboxWhereNeeded();
        if (m_candidates.isEmpty())
            m_candidates = webengine::moduleCandidates(QCoreApplication::applicationDirPath());
        // Before WebEngine's libraries load and look for it.
        if (std::any_of(m_candidates.cbegin(), m_candidates.cend(), [](const QString &p) { return QFileInfo::exists(p); }))
            shareContextsFromNowOn();
        // Never unloaded: WebEngine cannot be torn down and restarted.
        const modules::Resolved module = modules::resolve("browser", ModuleFile, webengine::FactorySymbol, m_candidates);
        if (auto make = module.as<ui::BrowserFactory *(*)()>()) {
            m_real = make();
            m_path = module.path;
        }
    }

    QStringList m_candidates;
    QString m_path;
    bool m_tried = false;
    ui::BrowserFactory *m_real = nullptr;  // owned by the module, lives until exit
};

LazyFactory &theFactory() {
    static LazyFactory f;
    return f;
}

}  // namespace

ui::BrowserFactory *lazyWebEngineFactory() { return &theFactory(); }

namespace webengine {

QStringList moduleCandidates(const QString &applicationDir) {
    return modules::candidates(ModuleFile, applicationDir);
}

bool sandboxMustBeOff(bool runningAsRoot, const QString &platformName) {
    return runningAsRoot || platformName == QLatin1String("offscreen");
}

bool disableSandboxWhereNeeded() {
    // WebEngine takes the variable being set, whatever its value, as "off".
    if (qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) return true;
    QString platform = QGuiApplication::platformName();
    if (platform.isEmpty()) platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (!sandboxMustBeOff(::geteuid() == 0, platform)) return false;
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    return true;
}

bool moduleLoaded() { return theFactory().loaded(); }
QString loadedModulePath() { return theFactory().path(); }

std::unique_ptr<ui::BrowserFactory> loadingFactory(const QStringList &candidates) {
    return std::make_unique<LazyFactory>(candidates);
}

}  // namespace webengine
}  // namespace kastlog
