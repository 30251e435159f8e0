#pragma once
// A fault injector for the tests: fails one chosen step, and records the steps it saw.
#include "logstore/textfile.h"

#include <QList>
#include <QMetaType>
#include <QTest>
#include <optional>
#include <functional>

namespace kastlog::test {

class StepFault : public FaultInjector {
public:
    explicit StepFault(std::optional<WriteStep> failing = std::nullopt) : failing(failing) {}
    bool fails(WriteStep step) const override {
        seen.append(step);
        if (onStep) onStep(step);
        return failing && *failing == step;
    }
    std::optional<WriteStep> failing;
    mutable QList<WriteStep> seen;
    std::function<void(WriteStep)> onStep;  // runs at each step, before it is done
};

}  // namespace kastlog::test

Q_DECLARE_METATYPE(kastlog::WriteStep)

namespace kastlog::test {
// One data row per step of a file replacement, in a column "step".
inline void addFaultStepRows() {
    QTest::addColumn<WriteStep>("step");
    QTest::newRow("open") << WriteStep::OpenTemp;
    QTest::newRow("write") << WriteStep::Write;
    QTest::newRow("sync") << WriteStep::Sync;
    QTest::newRow("close") << WriteStep::Close;
    QTest::newRow("rename") << WriteStep::Rename;
    QTest::newRow("sync directory") << WriteStep::SyncDir;
}
}  // namespace kastlog::test
