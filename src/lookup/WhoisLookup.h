#pragma once

#include "lookup/RegistryLookup.h"
#include "lookup/WhoisConnection.h"

namespace lookup {

/// A lookup over WHOIS on the row's server and port, judged by the verdict with the row's phrases.
class WhoisLookup : public RegistryLookup {
    Q_OBJECT
public:
    explicit WhoisLookup(QObject *parent = nullptr);

    void start(const LookupRequest &request) override;
    void abort() override;

    /// The bytes that reached the server for the last request.
    const QByteArray &answerBytes() const { return m_connection.answer(); }

private:
    void onEnd(WhoisConnection::End end);
    QueryOutcome judged() const;

    WhoisConnection m_connection;
    LookupRequest m_request;
};

} // namespace lookup
