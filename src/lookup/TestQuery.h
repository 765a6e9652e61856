#pragma once

#include "lookup/RegistryLookup.h"
#include "tld/DomainRule.h"

#include <QObject>
#include <QTimer>

#include <functional>

namespace platform {
class MessageBoxes;
}

namespace tld {
class TldRegistry;
struct TldRecord;
} // namespace tld

namespace lookup {

/**
 * The TLD manager's test query: one question through the lookup its row names (WHOIS or RDAP) and a
 * one-second timer of its own, routed like every lookup, judged with the phrases the user is editing, and reported in a
 * message (or wherever the report sink shows it). Gives up with "Connection timed out" after a fixed number of ticks
 * counted from the start.
 */
class TestQuery : public QObject {
    Q_OBJECT
public:
    enum class State { Idle, Connecting, Receiving, Judged, TimedOut };
    Q_ENUM(State)

    using PhraseSource = std::function<QString()>;
    using ReportSink = std::function<void(const QString &)>;

    TestQuery(const tld::TldRegistry &tlds, platform::MessageBoxes &messages, QObject *parent = nullptr);
    ~TestQuery() override;

    /// The phrases the answer is judged with, read when the answer is complete.
    void setPhraseSource(PhraseSource source) { m_phrases = std::move(source); }
    /// Where the verdict and "Connection timed out" go instead of a message box.
    void setReportSink(ReportSink sink) { m_sink = std::move(sink); }

    /// The test word, ".", the extension, with ".." made one dot (a single pass).
    static QString composeTestDomain(const QString &word, const QString &extension);

    /// Stops a running test and starts one for @p domain, read by the domain rule. False when it names
    /// no registrable domain (problem() says why) or no row serves it: nothing is sent.
    /// With @p row, that row is asked (the TLD manager tests the row it shows, also a later duplicate);
    /// the proxy switch still sends the question to the proxy row.
    bool startTestQuery(const QString &domain, const tld::TldRecord *row = nullptr);

    State state() const { return m_state; }
    QString testDomain() const { return m_testDomain; }
    /// Why the last test domain names no registrable domain (None when it does).
    tld::NameProblem problem() const { return m_problem; }

    /// The message shown for a verdict; for an RDAP row it names the HTTP status and the address asked.
    static QString verdictMessage(const QueryOutcome &outcome, const QString &domain);

signals:
    void stateChanged(lookup::TestQuery::State state);

private:
    void setState(State state);
    void stop();
    void onConnected();
    void onLookupEnd(const QueryOutcome &outcome);
    void onTick();
    void report(const QueryOutcome &outcome);
    void show(const QString &text);
    static QString rdapVerdictMessage(const QueryOutcome &outcome, const QString &domain);

    const tld::TldRegistry &m_tlds;
    platform::MessageBoxes &m_messages;
    PhraseSource m_phrases;
    ReportSink m_sink;
    std::unique_ptr<RegistryLookup> m_lookup;
    QTimer m_timer;
    State m_state = State::Idle;
    QString m_testDomain;
    QString m_prepared;
    tld::NameProblem m_problem = tld::NameProblem::None;
    int m_timeoutTicks = 0;
};

} // namespace lookup
