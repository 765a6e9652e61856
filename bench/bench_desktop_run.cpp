// The desktop program's real window checking a custom list against loopback WHOIS servers that answer at
// once: names per second at the com row's throttle (25) and at 0, the longest stall of the event loop,
// three servers side by side, and a server that refuses more than ten questions a second.
#include "StartedProgram.h"
#include "WhoisFixtureServer.h"

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTextStream>
#include <QTimer>

#include <deque>

namespace {

QByteArray row(const char *extension, quint16 port, int throttle)
{
    return QByteArray(extension) + "|127.0.0.1|" + QByteArray::number(port) + "|Enabled|" +
           QByteArray::number(throttle) + "|No match\r\n";
}

struct Figures {
    int outcomes = 0;
    double seconds = 0;
    qint64 longestStallMs = 0;
    QString summary;
};

// Starts a custom-list run over @p names, ticking @p tlds where the chooser can, and waits for its end.
Figures runList(const QByteArray &table, const QStringList &names, const QStringList &tlds = {})
{
    testing::PreparedFolder prepared(table,
                                     {{QStringLiteral("names.txt"), names.join(QStringLiteral("\r\n")).toUtf8()}});
    testing::StartedProgram program(prepared.folder);
    auto *chooser = program.find<QComboBox>(QStringLiteral("cmbTLDs"));
    for (const QString &tld : tlds)
        QMetaObject::invokeMethod(chooser, "setTicked", Q_ARG(QString, tld), Q_ARG(bool, true));
    program.fakes.dialogs.nextOpen = prepared.folder.file(QStringLiteral("names.txt"));
    program.find<QComboBox>(QStringLiteral("Combo1"))->setCurrentIndex(8);
    QLabel *panel = program.window->statusPanel(1);

    Figures figures;
    // A 5 ms tick: a tick that comes late shows how long the event loop was held.
    QElapsedTimer sinceTick;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        figures.longestStallMs = std::max(figures.longestStallMs, sinceTick.elapsed() - 5);
        sinceTick.start();
    });
    QElapsedTimer wall;
    wall.start();
    sinceTick.start();
    tick.start(5);
    program.find<QPushButton>(QStringLiteral("cmdDoSearch"))->click();
    const QDeadlineTimer limit(600'000);
    while (!panel->text().startsWith(QLatin1String("Finished")) && !limit.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    figures.seconds = double(wall.nsecsElapsed()) / 1e9;
    figures.summary = panel->text();
    return figures;
}

QStringList numbered(const QString &stem, int count, const QString &suffix = QString())
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names.append(stem + QString::number(i) + suffix);
    return names;
}

void print(QTextStream &out, const QString &what, int lookups, const Figures &f)
{
    out << what << ": " << lookups << " lookups in " << f.seconds << " s = " << lookups / f.seconds
        << " names/s, longest stall " << f.longestStallMs << " ms; " << f.summary << "\n";
    out.flush();
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    testing::WhoisFixtureServer server;
    server.listen();
    server.setAnswer("No match for NAME.COM\r\n");

    const Figures paced = runList(row("com", server.port(), 25), numbered(QStringLiteral("name"), 300));
    print(out, QStringLiteral("throttle 25, one server"), 300, paced);
    // The pause lasts throttle + 1 ticks of 1 ms: no run can be faster than 26 ms a name.
    out << "  the floor is 26 ms a name = " << 1000.0 / 26 << " names/s; this run reached "
        << 300 / paced.seconds / (1000.0 / 26) << " of it\n";
    print(out, QStringLiteral("throttle 0, one server"), 1500,
          runList(row("com", server.port(), 0), numbered(QStringLiteral("name"), 1500)));
    // Taken names write no result file; free ones rewrite theirs each time.
    server.setAnswer("Domain Name: NAME.COM\r\nRegistrar: Example\r\n");
    print(out, QStringLiteral("throttle 0, one server, taken names"), 1500,
          runList(row("com", server.port(), 0), numbered(QStringLiteral("name"), 1500)));
    server.setAnswer("No match for NAME.COM\r\n");

    // Three servers at 100 ms: bare names ticked in com, net and org where the chooser ticks several TLDs,
    // else the same 90 domains written out in one list.
    testing::WhoisFixtureServer net;
    testing::WhoisFixtureServer org;
    net.listen();
    org.listen();
    net.setAnswer("No match for NAME.NET\r\n");
    org.setAnswer("No match for NAME.ORG\r\n");
    const QByteArray three = row("com", server.port(), 100) + row("net", net.port(), 100) + row("org", org.port(), 100);
    const QStringList tlds{QStringLiteral("com"), QStringLiteral("net"), QStringLiteral("org")};
    bool several = false;
    {
        testing::PreparedFolder probe(three);
        testing::StartedProgram program(probe.folder);
        auto *chooser = program.find<QComboBox>(QStringLiteral("cmbTLDs"));
        several = chooser->metaObject()->indexOfMethod("setTicked(QString,bool)") >= 0;
    }
    QStringList written;
    for (const QString &name : numbered(QStringLiteral("word"), 30)) {
        for (const QString &tld : tlds)
            written.append(name + QLatin1Char('.') + tld);
    }
    print(out,
          QStringLiteral("three servers at 100 ms") + (several ? QString() : QStringLiteral(" (domains written out)")),
          90, several ? runList(three, numbered(QStringLiteral("word"), 30), tlds) : runList(three, written));

    // At most ten questions in any second; more earn a refusal.
    testing::WhoisFixtureServer limited;
    limited.listen();
    std::deque<qint64> asked;
    QElapsedTimer clock;
    clock.start();
    int refusals = 0;
    limited.setResponder([&](const QString &query) -> QByteArray {
        const qint64 now = clock.elapsed();
        while (!asked.empty() && now - asked.front() >= 1000)
            asked.pop_front();
        if (asked.size() >= 10) {
            ++refusals;
            return "Query rate limit exceeded\r\n";
        }
        asked.push_back(now);
        return "No match for " + query.toUtf8() + "\r\n";
    });
    const Figures limitedRun = runList(row("com", limited.port(), 0), numbered(QStringLiteral("name"), 60));
    print(out, QStringLiteral("server limited to 10/s, throttle 0"), 60, limitedRun);
    out << "  refusals: " << refusals << "; " << limitedRun.seconds / 5.0
        << " times the limit's minimum for 60 names (5.0 s)\n";
    return 0;
}
