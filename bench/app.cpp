// The benchmark runs inside a QApplication (offscreen unless a display is asked for), so
// that window cases can build real windows.
#include <QApplication>
#include <functional>

int benchMain(int argc, char **argv, const std::function<void()> &run) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    run();
    return 0;
}
