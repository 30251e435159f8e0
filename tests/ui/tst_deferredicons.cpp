// The deferred extension icons: a menu bar built under the style reads no picture, and the
// icons, once drawn, are the base style's own.
#include "ui/deferredicons.h"

#include "tests/common/inprocess.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyleOption>
#include <QTest>

using kastlog::ui::DeferredIconStyle;

class TestDeferredIcons : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setStyle(new DeferredIconStyle); }
    void menuBarLoadsNoImagePlugin();
    void iconsDrawAsTheBaseStyles_data();
    void iconsDrawAsTheBaseStyles();
};

static bool imagePluginLoaded() { return kastlog::test::mappedInProcess("/imageformats/"); }

// Runs first, before anything in this process has read a picture.
void TestDeferredIcons::menuBarLoadsNoImagePlugin() {
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("Fichier"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!imagePluginLoaded());
}

void TestDeferredIcons::iconsDrawAsTheBaseStyles_data() {
    QTest::addColumn<int>("icon");
    QTest::addColumn<Qt::LayoutDirection>("direction");
    QTest::newRow("horizontal") << int(QStyle::SP_ToolBarHorizontalExtensionButton) << Qt::LeftToRight;
    QTest::newRow("horizontal, right to left") << int(QStyle::SP_ToolBarHorizontalExtensionButton) << Qt::RightToLeft;
    QTest::newRow("vertical") << int(QStyle::SP_ToolBarVerticalExtensionButton) << Qt::LeftToRight;
}

void TestDeferredIcons::iconsDrawAsTheBaseStyles() {
    QFETCH(int, icon);
    QFETCH(Qt::LayoutDirection, direction);
    auto *style = qobject_cast<DeferredIconStyle *>(QApplication::style());
    QVERIFY(style);
    const auto sp = QStyle::StandardPixmap(icon);
    QWidget widget;
    widget.setLayoutDirection(direction);
    const QIcon deferred = style->standardIcon(sp, nullptr, &widget);
    QStyleOption option;
    option.direction = direction;
    const QIcon base = style->baseStyle()->standardIcon(sp, &option, nullptr);
    QVERIFY(!deferred.isNull());
    for (const int side : {8, 16, 32}) {
        const QImage expected = base.pixmap(side, side).toImage();
        QVERIFY(!expected.isNull());
        QCOMPARE(deferred.pixmap(side, side).toImage(), expected);
        QCOMPARE(deferred.actualSize(QSize(side, side)), base.actualSize(QSize(side, side)));
    }
}

QTEST_MAIN(TestDeferredIcons)
#include "tst_deferredicons.moc"
