// Centring a window on the screen, before and when it is shown.
#include "tests/common/testdirs.h"
#include "ui/centre.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

using kastlog::ui::centreOnScreen;

namespace {
QPoint centredAt(const QSize &frame) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    return {area.x() + (area.width() - frame.width()) / 2, area.y() + (area.height() - frame.height()) / 2};
}
}  // namespace

class TestCentre : public QObject {
    Q_OBJECT

private slots:
    void centredAtOnce() {
        QWidget w;
        w.resize(300, 200);
        centreOnScreen(&w);
        QCOMPARE(w.frameGeometry().topLeft(), centredAt(w.frameGeometry().size()));
    }

    // A window that changes size between its centring and its showing (its frame, its
    // content) is centred again as it appears, whatever children it already has.
    void centredAgainWhenShown_data() {
        QTest::addColumn<bool>("withLayout");
        QTest::newRow("no children") << false;
        QTest::newRow("with a layout and children") << true;
    }

    void centredAgainWhenShown() {
        QFETCH(bool, withLayout);
        QWidget w;
        if (withLayout) {
            auto *l = new QVBoxLayout(&w);
            l->addWidget(new QLabel(QStringLiteral("Indicatif")));
        }
        w.resize(300, 200);
        centreOnScreen(&w);
        w.resize(500, 400);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.frameGeometry().topLeft(), centredAt(w.frameGeometry().size()));
        // Only once: later moves by the operator stay.
        w.hide();
        w.move(10, 10);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.pos(), QPoint(10, 10));
    }

    void centringTwiceBeforeShowingWatchesOnce() {
        QWidget w;
        new QVBoxLayout(&w);
        centreOnScreen(&w);
        centreOnScreen(&w);
        QCOMPARE(w.findChildren<QObject *>(QStringLiteral("kastlog-centre-on-show"), Qt::FindDirectChildrenOnly).size(), 1);
    }
};

int main(int argc, char **argv) {
    kastlog::test::isolateUserDirectories();
    QApplication app(argc, argv);
    TestCentre t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_centre.moc"
