// The real browser: loaded only when the first web window opens, a page served on
// 127.0.0.1 arrives with its title, an unreachable server still gives open windows and no
// message, a missing module gives a notice in place of the page.
#include "ui/openers.h"
#include "settings/settings.h"
#include "tests/common/fakes.h"
#include "tests/common/inprocess.h"
#include "tests/common/testdirs.h"
#include "ui/browser.h"
#include "ui/services.h"
#include "webviews/browser/webengine.h"
#include "webviews/cluster.h"
#include "webviews/reglement.h"
#include "webviews/webwindows.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QOpenGLContext>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QtTest>
#include <memory>

using namespace kastlog;

namespace {

// Serves one fixed HTML page on 127.0.0.1 for any path, and keeps the paths asked for.
class TinyHttpServer : public QObject {
public:
    explicit TinyHttpServer(QByteArray title) : m_title(std::move(title)) {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = m_server.nextPendingConnection()) {
                connect(s, &QTcpSocket::readyRead, s, [this, s] { answer(s); });
                connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            }
        });
    }
    bool listen() { return m_server.listen(QHostAddress::LocalHost); }
    QString host() const { return QStringLiteral("127.0.0.1:%1").arg(m_server.serverPort()); }
    QStringList paths;

private:
    void answer(QTcpSocket *s) {
        QByteArray &request = m_pending[s];
        request += s->readAll();
        if (!request.contains("\r\n\r\n")) return;
        const QList<QByteArray> first = request.left(request.indexOf("\r\n")).split(' ');
        const QByteArray path = first.value(1);
        m_pending.remove(s);
        paths << QString::fromLatin1(path);
        const bool page = path.endsWith(".html");
        const QByteArray body = page ? "<html><head><title>" + m_title + " " + path + "</title></head><body>spots</body></html>"
                                     : QByteArray("not here");
        s->write((page ? "HTTP/1.1 200 OK\r\n" : "HTTP/1.1 404 Not Found\r\n") +
                 QByteArray("Content-Type: text/html; charset=utf-8\r\nConnection: close\r\nContent-Length: ") +
                 QByteArray::number(body.size()) + "\r\n\r\n" + body);
        s->disconnectFromHost();
    }

    QTcpServer m_server;
    QByteArray m_title;
    QHash<QTcpSocket *, QByteArray> m_pending;
};

bool webEngineInProcess() { return test::mappedInProcess("libQt6WebEngineCore"); }

// A port on 127.0.0.1 where nothing listens: the connection is refused at once.
quint16 closedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

class FakeStation : public StationInfo {
public:
    QString stationCall() const override { return QStringLiteral("F1ABC"); }
    QString stationLabelText() const override { return QStringLiteral("F1ABC"); }
};

constexpr int PageTimeoutMs = 8000;

}  // namespace

class TestWebEngine : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    // Before anything opens a real view: nothing of WebEngine is in the process.
    void noWebEngineBeforeTheFirstWindow();
    void sandbox_data();
    void sandbox();
    void moduleIsLookedForNextToTheProgram();
    void missingModuleGivesANotice_data();
    void missingModuleGivesANotice();

    // From here on the module is loaded.
    void realPageTitleArrives();
    void unreachableServerStillOpensTheWindows();

private:
    std::unique_ptr<test::TestDirs> m_dirs;
    std::unique_ptr<Settings> m_settings;
    test::FakeMessageBox m_messages;
    FakeStation m_station;
    Services m_services;
};

void TestWebEngine::initTestCase() {
    test::isolateUserDirectories();
}

void TestWebEngine::init() {
    m_dirs = std::make_unique<test::TestDirs>();
    m_settings = std::make_unique<Settings>(m_dirs->configPath());
    m_messages.clear();
    m_services = Services{};
    m_services.dataDir = m_dirs->dataDir();
    m_services.settings = m_settings.get();
    m_services.messages = &m_messages;
    m_services.browser = lazyWebEngineFactory();
}

void TestWebEngine::cleanup() {
    QCOMPARE(m_messages.shown, QStringList());  // the program itself never says a word here
    m_settings.reset();
    m_dirs.reset();
}

void TestWebEngine::noWebEngineBeforeTheFirstWindow() {
    QVERIFY(!webengine::moduleLoaded());
    QVERIFY(!webEngineInProcess());
    // No OpenGL either: the shared context is made by the first web window, not at start-up.
    QVERIFY(!QCoreApplication::testAttribute(Qt::AA_ShareOpenGLContexts));
    QVERIFY(!QOpenGLContext::globalShareContext());
}

void TestWebEngine::sandbox_data() {
    QTest::addColumn<bool>("root");
    QTest::addColumn<QString>("platform");
    QTest::addColumn<bool>("off");
    QTest::newRow("user on a display") << false << "xcb" << false;
    QTest::newRow("user on wayland") << false << "wayland" << false;
    QTest::newRow("root on a display") << true << "xcb" << true;
    QTest::newRow("user offscreen") << false << "offscreen" << true;
    QTest::newRow("root offscreen") << true << "offscreen" << true;
    QTest::newRow("user, platform not known yet") << false << "" << false;
}

void TestWebEngine::sandbox() {
    QFETCH(bool, root);
    QFETCH(QString, platform);
    QFETCH(bool, off);
    QCOMPARE(webengine::sandboxMustBeOff(root, platform), off);
}

void TestWebEngine::moduleIsLookedForNextToTheProgram() {
    const QStringList c = webengine::moduleCandidates(QStringLiteral("/opt/kastlog/bin"));
    QVERIFY(c.size() >= 2);
    QCOMPARE(c.at(0), QStringLiteral("/opt/kastlog/bin/libkastlog_webengine.so"));
    QCOMPARE(c.at(1), QStringLiteral("/opt/kastlog/lib/kastlog/libkastlog_webengine.so"));
    // This test program runs from the build tree: one of the places holds the built module.
    bool found = false;
    for (const QString &p : webengine::moduleCandidates(QCoreApplication::applicationDirPath()))
        found = found || QFile::exists(p);
    QVERIFY(found);
}

void TestWebEngine::missingModuleGivesANotice_data() {
    QTest::addColumn<QByteArray>("content");  // empty: no file at all
    QTest::newRow("absent") << QByteArray();
    QTest::newRow("not a library") << QByteArray("this is no shared object\n");
}

void TestWebEngine::missingModuleGivesANotice() {
    QFETCH(QByteArray, content);
    if (!content.isEmpty()) m_dirs->writeFile(QStringLiteral("libkastlog_webengine.so"), content);
    auto factory = webengine::loadingFactory({m_dirs->path(QStringLiteral("libkastlog_webengine.so"))});
    m_services.browser = factory.get();
    m_settings->setValue(Settings::commonSection(), QStringLiteral("Serveur DNJ"), QStringLiteral("award.example"));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("browser module .* not loaded"));
    Reglement w(m_services);
    w.show();
    QVERIFY(w.isVisible());
    auto *notice = qobject_cast<QLabel *>(w.findChild<QWidget *>(QStringLiteral("WebBrowser1")));
    QVERIFY(notice);
    QVERIFY(notice->text().contains(QStringLiteral("http://award.example/reglement_chateau.html")));
    QVERIFY(!webEngineInProcess());
}

void TestWebEngine::realPageTitleArrives() {
    TinyHttpServer server("Spots");
    QVERIFY(server.listen());
    m_settings->setValue(Settings::commonSection(), QStringLiteral("Serveur Cluster"), server.host());
    m_settings->setBandeCluster(m_station.stationCall(), 5);

    QElapsedTimer clock;
    clock.start();
    Cluster w(m_services, m_station);
    w.show();
    QVERIFY(webengine::moduleLoaded());
    QVERIFY(webEngineInProcess());
    QVERIFY(QOpenGLContext::globalShareContext());
    QVERIFY(qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"));  // offscreen here

    QWidget *view = w.findChild<QWidget *>(QStringLiteral("WebBrowser1"));
    QVERIFY(view);
    QCOMPARE(view->metaObject()->className(), "QWebEngineView");
    QTRY_COMPARE_WITH_TIMEOUT(view->property("title").toString(), QStringLiteral("Spots /dxc/top_50_14_MHz.html"),
                              PageTimeoutMs);
    QVERIFY(server.paths.contains(QStringLiteral("/dxc/top_50_14_MHz.html")));
    qInfo("first real page after %lld ms", clock.elapsed());

    // Another band, through the window as the operator does it.
    auto *band = w.findChild<QComboBox *>(QStringLiteral("Bande_CL"));
    band->setCurrentIndex(13);
    QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("Afficher")), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(view->property("title").toString(), QStringLiteral("Spots /dxc/top_250_VHF.html"),
                              PageTimeoutMs);
    QCOMPARE(m_settings->bandeCluster(m_station.stationCall()), 13);
}

void TestWebEngine::unreachableServerStillOpensTheWindows() {
    const QString host = QStringLiteral("127.0.0.1:%1").arg(closedPort());
    m_settings->setValue(Settings::commonSection(), QStringLiteral("Serveur DNJ"), host);
    m_settings->setValue(Settings::commonSection(), QStringLiteral("Serveur Cluster"), host);
    QWidget main;
    main.show();
    Openers o;
    addWebOpeners(o, m_services, m_station, &main);

    o.reglement();
    o.cluster();
    // Both spies are in place before any event runs, so neither load can be missed.
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    QList<QWidget *> windows;
    for (const char *name : {"Reglement", "Cluster"}) {
        QWidget *w = main.findChild<QWidget *>(QLatin1String(name));
        QVERIFY2(w && w->isVisible(), name);
        QWidget *view = w->findChild<QWidget *>(QStringLiteral("WebBrowser1"));
        QVERIFY(view);
        spies.push_back(std::make_unique<QSignalSpy>(view, SIGNAL(loadFinished(bool))));
        QVERIFY(spies.back()->isValid());
        windows << w;
    }
    for (size_t i = 0; i < spies.size(); ++i) {
        QSignalSpy &finished = *spies[i];
        QVERIFY(!finished.isEmpty() || finished.wait(PageTimeoutMs));
        QCOMPARE(finished.first().first().toBool(), false);
        QVERIFY(windows.at(int(i))->isVisible());
    }

    // The modal list too: it opens, fails to load, and waits for the operator to close it.
    bool opened = false, failed = false;
    QTimer::singleShot(0, [&] {
        QPointer<QWidget> list = QApplication::activeModalWidget();
        if (!list) return;
        opened = list->objectName() == QLatin1String("Liste_DNJ1") && list->isVisible();
        QSignalSpy finished(list->findChild<QWidget *>(QStringLiteral("WebBrowser1")), SIGNAL(loadFinished(bool)));
        failed = finished.wait(PageTimeoutMs) && !finished.first().first().toBool();
        if (list) list->close();
    });
    o.listeDnj();
    QVERIFY(opened);
    QVERIFY(failed);
}

// Built as the program builds its application: nothing asked of OpenGL beforehand.
int main(int argc, char **argv) {
    QApplication app(argc, argv);
    TestWebEngine tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "test_webengine.moc"
