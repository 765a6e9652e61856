#include "engine/ThrottleGate.h"
#include "platform/Intervals.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

using engine::ThrottleGate;

class TestThrottleGate : public QObject {
    Q_OBJECT
private slots:
    void init() { platform::intervals() = platform::Intervals(); }
    void gateOpensAfterTheThrottleAndCallsEveryWaiter();
    void pauseLastsOneTickMoreThanTheThrottle();
    void negativeThrottleOpensOnTheFirstTick();
    void cancelDropsWaiters();
};

void TestThrottleGate::gateOpensAfterTheThrottleAndCallsEveryWaiter()
{
    ThrottleGate gate;
    gate.setCurrentThrottle(30);
    int calls = 0;
    QElapsedTimer clock;
    clock.start();
    gate.wait([&calls] { ++calls; });
    gate.wait([&calls] { ++calls; }); // a second caller shares the pause
    QVERIFY(gate.throttleGateClosed());
    QTRY_COMPARE_WITH_TIMEOUT(calls, 2, 2000);
    QVERIFY(clock.elapsed() >= 30);
    QVERIFY(!gate.throttleGateClosed());
    QCOMPARE(gate.throttleTicks(), 30);
}

void TestThrottleGate::pauseLastsOneTickMoreThanTheThrottle()
{
    // Ticks long enough that one tick more or less shows.
    platform::intervals().throttleTickMs = 20;
    ThrottleGate gate;
    gate.setCurrentThrottle(1);
    QSignalSpy opened(&gate, &ThrottleGate::opened);
    QElapsedTimer clock;
    clock.start();
    gate.wait([] {});
    QVERIFY(opened.wait(2000));
    QVERIFY2(clock.elapsed() >= 40, qPrintable(QString::number(clock.elapsed())));
}

void TestThrottleGate::negativeThrottleOpensOnTheFirstTick()
{
    ThrottleGate gate;
    gate.setCurrentThrottle(-5);
    QSignalSpy opened(&gate, &ThrottleGate::opened);
    gate.wait([] {});
    QVERIFY(opened.wait(1000));
    QCOMPARE(gate.throttleTicks(), 0);
}

void TestThrottleGate::cancelDropsWaiters()
{
    ThrottleGate gate;
    gate.setCurrentThrottle(5);
    bool called = false;
    gate.wait([&called] { called = true; });
    gate.cancel();
    QTest::qWait(30);
    QVERIFY(!called);
    QVERIFY(!gate.throttleGateClosed());
}

QTEST_GUILESS_MAIN(TestThrottleGate)
#include "tst_throttlegate.moc"
