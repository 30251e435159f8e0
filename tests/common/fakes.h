#pragma once
// Recording fakes of the toolkit layer, for window tests.
#include "logstore/clock.h"
#include "ui/browser.h"
#include "ui/messagebox.h"
#include "ui/printer.h"

#include <QStringList>
#include <QList>
#include <functional>

namespace kastlog::test {

// Records every text shown; Yes/No questions take their answers from `answers` (Yes when
// the queue is empty). `onShow` runs while the box would be up (e.g. to check the focus).
class FakeMessageBox : public ui::MessageBox {
public:
    void info(const QString &text) override;
    bool askYesNo(const QString &text) override;

    QStringList shown;      // every text, in order
    QStringList questions;  // the Yes/No texts only
    QList<bool> answers;
    std::function<void(const QString &)> onShow;

    void clear() { shown.clear(); questions.clear(); }
    QString last() const { return shown.isEmpty() ? QString() : shown.last(); }
};

// A clock standing still at a given reading until moved.
class FakeClock : public Clock {
public:
    ClockReading utcNow{2008, 7, 19, 14, 5, 30};
    ClockReading localNow{2008, 7, 19, 16, 5, 30};
    ClockReading utc() const override { return utcNow; }
    ClockReading local() const override { return localNow; }
};

class FakePrinter : public ui::Printer {
public:
    bool selectPrinter(QWidget *) override { ++dialogs; return accept; }
    void setFont(const QString &family, double size, bool bold) override {
        fonts << QStringLiteral("%1 %2%3").arg(family).arg(size).arg(bold ? QStringLiteral(" bold") : QString());
    }
    void printLine(const QString &line) override { lines << line; }
    bool endDocument(QString *error) override {
        ++documents;
        if (!failWith.isEmpty() && error) *error = failWith;
        return failWith.isEmpty();
    }
    bool accept = true;
    QString failWith;
    int dialogs = 0, documents = 0;
    QStringList fonts, lines;
};

class FakeBrowserView : public ui::BrowserView {
public:
    explicit FakeBrowserView(QWidget *parent, QStringList *log);
    QWidget *widget() override { return m_widget; }
    void navigate(const QString &url) override { m_log->append(url); }

private:
    QWidget *m_widget;
    QStringList *m_log;
};

class FakeBrowserFactory : public ui::BrowserFactory {
public:
    std::unique_ptr<ui::BrowserView> create(QWidget *parent) override;
    QStringList urls;  // every navigation, in order, across all views
    int created = 0;
};

}  // namespace kastlog::test
