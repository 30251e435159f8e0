#include "tests/common/fakes.h"

#include <QWidget>

namespace kastlog::test {

void FakeMessageBox::info(const QString &text) {
    shown << text;
    if (onShow) onShow(text);
}

bool FakeMessageBox::askYesNo(const QString &text) {
    shown << text;
    questions << text;
    if (onShow) onShow(text);
    return answers.isEmpty() ? true : answers.takeFirst();
}

FakeBrowserView::FakeBrowserView(QWidget *parent, QStringList *log)
    : m_widget(new QWidget(parent)), m_log(log) {}

std::unique_ptr<ui::BrowserView> FakeBrowserFactory::create(QWidget *parent) {
    ++created;
    return std::make_unique<FakeBrowserView>(parent, &urls);
}

}  // namespace kastlog::test
