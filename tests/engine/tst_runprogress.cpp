#include "engine/RunProgress.h"

#include <QtTest>

using engine::RunProgress;

class TestRunProgress : public QObject {
    Q_OBJECT
private slots:
    void reportsShareAndPaceAndTimeLeft_data();
    void reportsShareAndPaceAndTimeLeft();
    void durationsReadAsTheUserExpects_data();
    void durationsReadAsTheUserExpects();
};

void TestRunProgress::reportsShareAndPaceAndTimeLeft_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("position");
    QTest::addColumn<qint64>("elapsedMs");
    QTest::addColumn<int>("perMille");
    QTest::addColumn<QString>("text");
    QTest::newRow("nothing done yet") << 1 << 100 << 1 << qint64(5000) << 0 << QStringLiteral("0 of 100");
    QTest::newRow("a quarter, 2.5 names/s")
        << 1 << 100 << 26 << qint64(10000) << 250 << QStringLiteral("25 of 100 - 2.5 names/s - about 30 s left");
    QTest::newRow("resumed at 501 of 17576") << 501 << 17576 << 1501 << qint64(100000) << 58
                                             << QStringLiteral("1500 of 17576 - 10 names/s - about 27 min left");
    QTest::newRow("hours left") << 1 << 100000 << 3601 << qint64(3600000) << 36
                                << QStringLiteral("3600 of 100000 - 1.0 names/s - about 26 h 47 min left");
    QTest::newRow("past the end counts as all")
        << 1 << 4 << 9 << qint64(2000) << 1000 << QStringLiteral("4 of 4 - 2.0 names/s");
    QTest::newRow("start past the list") << 7 << 4 << 7 << qint64(0) << 0 << QStringLiteral("6 of 6");
}

void TestRunProgress::reportsShareAndPaceAndTimeLeft()
{
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(int, position);
    QFETCH(qint64, elapsedMs);
    QFETCH(int, perMille);
    QFETCH(QString, text);
    RunProgress progress;
    progress.start(first, last);
    progress.update(position, elapsedMs);
    QCOMPARE(progress.perMille(), perMille);
    QCOMPARE(progress.text(), text);
}

void TestRunProgress::durationsReadAsTheUserExpects_data()
{
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("seconds") << qint64(59) << QStringLiteral("59 s");
    QTest::newRow("a minute") << qint64(60) << QStringLiteral("1 min");
    QTest::newRow("rounded up") << qint64(61) << QStringLiteral("2 min");
    QTest::newRow("whole hour") << qint64(3600) << QStringLiteral("1 h");
    QTest::newRow("hours and minutes") << qint64(7500) << QStringLiteral("2 h 5 min");
}

void TestRunProgress::durationsReadAsTheUserExpects()
{
    QFETCH(qint64, seconds);
    QFETCH(QString, text);
    QCOMPARE(RunProgress::duration(seconds), text);
}

QTEST_GUILESS_MAIN(TestRunProgress)
#include "tst_runprogress.moc"
