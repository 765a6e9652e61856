#include "SaveLoop.h"
#include "TestFolder.h"
#include "platform/ProgramSettings.h"
#include "results/RememberedList.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTimer>
#include <QtTest>

// Kills a program that records checks in the history and saves TLDs.txt, Remembered.txt, a series file
// and a list position over and over, at random moments, and checks after every kill that each file is
// one round's version, whole: the one before the kill or a newer one.
namespace {

QByteArray linesBytes(const QStringList &lines)
{
    return lines.isEmpty() ? QByteArray() : (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
}

// The round whose version @p bytes is, 0 for no file yet, or -1 when it is no round's whole version.
int roundOf(const QByteArray &bytes, const char *pattern, QStringList (*version)(int), int (*roundFrom)(int, int))
{
    if (bytes.isNull())
        return 0;
    const QRegularExpressionMatch first = QRegularExpression(QLatin1String(pattern)).match(QString::fromLatin1(bytes));
    if (!first.hasMatch())
        return -1;
    const int round = roundFrom(first.captured(1).toInt(), int(bytes.count('\n')));
    return round >= 0 && bytes == linesBytes(version(round)) ? round : -1;
}

int sameRound(int round, int)
{
    return round;
}

// A series file holds 20 entries for each round since its list started anew.
int seriesRound(int start, int lines)
{
    return lines % 20 == 0 && lines > 0 ? start * 10 + lines / 20 - 1 : -1;
}

struct Rounds {
    int tlds = 0;
    int remembered = 0;
    int series = 0;
    int position = 0;
    int history = 0;   ///< the newest round of checks in History.sqlite, -1 when it is not whole
    qint64 checks = 0; ///< checks it holds
};

// The history passes SQLite's own check, and holds every round it holds whole: the batch in flight at
// the kill is lost, never a part of one.
void readHistory(const QString &folder, Rounds &rounds)
{
    const QString path = folder + QStringLiteral("/History.sqlite");
    if (!QFile::exists(path))
        return;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("killed"));
        db.setDatabaseName(path);
        QSqlQuery query(db);
        const auto first = [&query](const QString &sql) {
            return query.exec(sql) && query.next() ? query.value(0) : QVariant();
        };
        rounds.history = -1;
        if (db.open() && first(QStringLiteral("PRAGMA integrity_check")).toString() == QLatin1String("ok") &&
            first(QStringLiteral("SELECT count(*) FROM (SELECT substr(domain, 2, instr(domain, 'n') - 2) AS round "
                                 "FROM domains GROUP BY round HAVING count(*) != %1)")
                      .arg(saveloop::historyChecks))
                    .toInt() == 0) {
            rounds.checks = first(QStringLiteral("SELECT count(*) FROM checks")).toLongLong();
            rounds.history = first(QStringLiteral("SELECT coalesce(max(CAST(substr(domain, 2, instr(domain, 'n') - 2) "
                                                  "AS INTEGER)), 0) FROM domains"))
                                 .toInt();
        }
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("killed"));
}

Rounds readRounds(const QString &folder)
{
    const auto bytesOf = [&folder](const char *name) {
        QFile file(folder + QLatin1Char('/') + QLatin1String(name));
        if (!file.exists())
            return QByteArray();
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        return bytes.isNull() ? QByteArray("") : bytes; // an empty file is no round's version
    };
    Rounds rounds;
    rounds.tlds = roundOf(bytesOf("TLDs.txt"), "^g(\\d+)x0\\|", saveloop::tldRows, sameRound);
    rounds.remembered = roundOf(bytesOf("Remembered.txt"), "^g(\\d+)n0\\.com", saveloop::rememberedEntries, sameRound);
    rounds.series = roundOf(bytesOf("Series.txt"), "^e(\\d+)n0\\.net", saveloop::seriesEntries, seriesRound);
    const platform::ProgramSettings settings(folder + QStringLiteral("/settings"));
    const QString position = settings.position(QLatin1String(saveloop::positionKey), QString());
    const int round = position.section(QLatin1Char(' '), 0, 0).toInt();
    rounds.position = position.isNull() ? 0 : position == saveloop::position(round) ? round : -1;
    readHistory(folder, rounds);
    return rounds;
}

} // namespace

class TestKilledSaves : public QObject {
    Q_OBJECT
private slots:
    void everyFileIsOneVersionWhole();
};

void TestKilledSaves::everyFileIsOneVersionWhole()
{
    const testing::TestFolder folder;
    QDir().mkpath(folder.appFolder());
    const quint32 seed = QRandomGenerator::global()->generate();
    qInfo("seed %u", seed);
    QRandomGenerator random(seed);

    constexpr int kills = 120;
    Rounds before; // nothing saved yet
    int killedWhileSaving = 0;
    for (int kill = 0; kill < kills; ++kill) {
        const int first = (kill + 1) * 1000;
        QProcess loop;
        loop.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        loop.start(QStringLiteral(QUARRYTIDE_SAVE_LOOP), {folder.appFolder(), QString::number(first)});
        QVERIFY(loop.waitForStarted());
        // Every other kill lands anywhere from the start on, the others while rounds are being saved.
        const bool whileSaving = kill % 2 == 1;
        QSignalSpy output(&loop, &QProcess::readyReadStandardOutput);
        if (whileSaving && !output.wait(10000)) {
            for (const QFileInfo &file :
                 QDir(folder.appFolder() + QStringLiteral("/settings")).entryInfoList(QDir::Files | QDir::Hidden))
                qWarning("%s %lld %s", qPrintable(file.fileName()), file.size(),
                         file.lastModified().toString().toLatin1().constData());
            QFAIL("the save loop did not start saving");
        }
        QSignalSpy ended(&loop, &QProcess::finished);
        QTimer::singleShot(int(random.bounded(whileSaving ? 20 : 60)), &loop, &QProcess::kill); // SIGKILL
        QVERIFY(ended.wait(10000));
        QCOMPARE(loop.exitStatus(), QProcess::CrashExit);
        const bool saved = loop.readAllStandardOutput().contains("saving");
        killedWhileSaving += saved ? 1 : 0;

        const Rounds after = readRounds(folder.appFolder());
        const auto check = [&](const char *file, int was, int now) {
            const bool oldOrNew = now >= first || (now == was && !saved);
            if (!oldOrNew)
                qWarning("kill %d: %s holds round %d, was %d", kill, file, now, was);
            return oldOrNew;
        };
        QVERIFY(check("TLDs.txt", before.tlds, after.tlds));
        QVERIFY(check("Remembered.txt", before.remembered, after.remembered));
        QVERIFY(check("Series.txt", before.series, after.series));
        QVERIFY(check("position", before.position, after.position));
        QVERIFY(check("History.sqlite", before.history, after.history));
        // Each round records its checks before it saves the files: what was committed stayed.
        QVERIFY2(after.history >= after.tlds && after.checks >= before.checks,
                 qPrintable(QStringLiteral("kill %1: history round %2 of %3 checks, TLDs.txt round %4")
                                .arg(kill)
                                .arg(after.history)
                                .arg(after.checks)
                                .arg(after.tlds)));
        before = after;
    }
    // A kill after a whole round was saved leaves every file of a newer round.
    QVERIFY(killedWhileSaving >= kills / 2);
    QVERIFY(before.tlds > 0 && before.remembered > 0 && before.series > 0 && before.position > 0 && before.history > 0);
}

QTEST_GUILESS_MAIN(TestKilledSaves)
#include "tst_killedsaves.moc"
