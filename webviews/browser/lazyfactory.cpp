#include "webviews/browser/webengine.h"

#include "ui/browser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLibrary>
#include <QOpenGLContext>
#include <QSurfaceFormat>

#include <memory>
#include <unistd.h>

#ifndef KASTLOG_WEBENGINE_BUILD_DIR
#define KASTLOG_WEBENGINE_BUILD_DIR ""
#endif

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
        m_label->setText(QStringLiteral("Le navigateur intégré n'est pas disponible.\n%1").arg(url));
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
        QStringList errors;
        if (m_candidates.isEmpty())
            m_candidates = webengine::moduleCandidates(QCoreApplication::applicationDirPath());
        for (const QString &path : qAsConst(m_candidates)) {
            if (!QFileInfo::exists(path)) {
                errors << path + QStringLiteral(": absent");
                continue;
            }
            shareContextsFromNowOn();  // before WebEngine's libraries load and look for it
            QLibrary lib(path);  // never unloaded: WebEngine cannot be torn down and restarted
            using Make = ui::BrowserFactory *(*)();
            auto make = reinterpret_cast<Make>(lib.resolve(webengine::FactorySymbol));
            if (make) {
                m_real = make();
                m_path = path;
                return;
            }
            errors << path + QStringLiteral(": ") + lib.errorString();
        }
        qWarning("KASTLOG: browser module %s not loaded (%s)", qPrintable(ModuleFile),
                 qPrintable(errors.join(QStringLiteral("; "))));
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
    QStringList out;
    const QDir dir(applicationDir);
    out << QDir::cleanPath(dir.filePath(ModuleFile));
    out << QDir::cleanPath(dir.filePath(QStringLiteral("../lib/kastlog/") + ModuleFile));
    const QString built = QString::fromUtf8(KASTLOG_WEBENGINE_BUILD_DIR);
    if (!built.isEmpty()) {
        const QString p = QDir::cleanPath(built + QLatin1Char('/') + ModuleFile);
        if (!out.contains(p)) out << p;
    }
    return out;
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
