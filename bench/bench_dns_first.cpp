// 1,000 names, 900 of them delegated, checked at the com row's throttle (25) against a loopback WHOIS
// server and a loopback DNS responder: registry questions and wall time with the DNS pre-check and
// without it, and the longest stall of the event loop while DNS questions are under way.
#include "DnsFixtureServer.h"
#include "WhoisFixtureServer.h"
#include "engine/QueryEngine.h"
#include "lookup/DnsCheck.h"
#include "platform/AppFolder.h"
#include "results/ResultClasses.h"
#include "sources/EntrySource.h"
#include "sources/ListFile.h"
#include "tld/TldRegistry.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

namespace {

// Times every event handed to the DNS pre-check and its socket notifiers: how long DNS holds the thread.
class TimingApp : public QCoreApplication {
public:
    using QCoreApplication::QCoreApplication;
    const QObject *dns = nullptr;
    qint64 longestDnsNs = 0;
    bool notify(QObject *receiver, QEvent *event) override
    {
        if (!dns || (receiver != dns && receiver->parent() != dns))
            return QCoreApplication::notify(receiver, event);
        QElapsedTimer held;
        held.start();
        const bool handled = QCoreApplication::notify(receiver, event);
        longestDnsNs = std::max(longestDnsNs, held.nsecsElapsed());
        return handled;
    }
};

class NumberedSource : public sources::EntrySource {
public:
    QString readEntry(int n) override
    {
        // Every tenth name is free and not delegated; the others are taken and delegated.
        if (n > 1000)
            return sources::endMarker;
        return (n % 10 == 0 ? QStringLiteral("free%1") : QStringLiteral("taken%1")).arg(n);
    }
    void savePositions(int) override {}
};

void run(bool dnsFirst, QTextStream &out)
{
    testing::WhoisFixtureServer whois;
    whois.listen();
    whois.setResponder([](const QString &query) {
        return query.startsWith(QLatin1String("free")) ? testing::availableAnswer(query)
                                                       : testing::registeredAnswer(query);
    });
    testing::DnsFixtureServer resolver;
    resolver.listen();
    resolver.setResponder([](const QString &name) {
        return name.startsWith(QLatin1String("taken")) ? testing::DnsFixtureServer::Reply::Delegated
                                                       : testing::DnsFixtureServer::Reply::NxDomain;
    });
    QTemporaryDir dir;
    platform::AppFolder folder(dir.path());
    tld::TldRegistry tlds(dir.filePath(QStringLiteral("TLDs.txt")));
    tlds.setTable(
        {{QStringLiteral("com"), QStringLiteral("127.0.0.1"), whois.port(), true, 25, QStringLiteral("No match")}});
    results::ResultClasses results(folder);
    NumberedSource source;
    engine::QueryEngine engine(tlds, results, source, engine::QueryEngine::defaultSlots);
    lookup::DnsCheck dns;
    dns.setServer(resolver.address());
    auto *app = static_cast<TimingApp *>(QCoreApplication::instance());
    app->dns = &dns;
    app->longestDnsNs = 0;
    if (dnsFirst)
        engine.setDnsCheck(&dns);
    int done = 0;
    int registered = 0;
    QObject::connect(&engine, &engine::QueryEngine::outcome, [&](const lookup::QueryOutcome &o) {
        ++done;
        registered += o.kind == lookup::QueryOutcome::Kind::Registered;
    });
    qint64 longestStall = 0;
    QElapsedTimer sinceTick;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longestStall = std::max(longestStall, sinceTick.elapsed() - 1);
        sinceTick.start();
    });
    QElapsedTimer wall;
    wall.start();
    sinceTick.start();
    tick.start(1);
    engine.start(1, 1000);
    while (done < 1000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double seconds = double(wall.nsecsElapsed()) / 1e9;
    engine.stop();
    app->dns = nullptr;
    out << (dnsFirst ? "DNS first: " : "--no-dns:  ") << "1000 names in " << seconds << " s, registry queries "
        << whois.queries().size() << ", DNS questions " << resolver.questions().size() << ", registered " << registered
        << ", longest event-loop stall " << longestStall << " ms (fixture servers included), longest DNS event "
        << double(app->longestDnsNs) / 1e6 << " ms\n";
    out.flush();
}

} // namespace

int main(int argc, char **argv)
{
    TimingApp app(argc, argv);
    QTextStream out(stdout);
    run(false, out);
    run(true, out);
    return 0;
}
