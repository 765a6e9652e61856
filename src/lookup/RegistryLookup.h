#pragma once

#include "lookup/QueryOutcome.h"
#include "tld/TldRecord.h"

#include <QObject>

#include <functional>
#include <memory>

namespace lookup {

/// What to ask: a domain, the TLD row that serves it (its server and its phrases), and a time limit.
struct LookupRequest {
    QString domain{};
    tld::TldRecord row{};
    int timeLimitMs = 0; ///< 0: no limit of the lookup's own
    /// When set, the phrases are read from here once the answer is complete instead of from the row
    /// (the TLD manager's test judges with the text being edited).
    std::function<QString()> phrasesAtEnd{};
};

/**
 * One question to a registry about one domain, over the protocol its TLD row names. Every part of
 * the program that asks a registry (the main run, the browse checker, the TLD manager's test) asks
 * through this interface; what it gets back is an outcome, never raw protocol data to interpret.
 */
class RegistryLookup : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    /// Begins the lookup; a running one is abandoned first, without a signal.
    virtual void start(const LookupRequest &request) = 0;
    /// Ends the lookup without a signal.
    virtual void abort() = 0;

signals:
    /// The server was reached and the question sent.
    void connected();
    /// The lookup is over.
    void finished(const lookup::QueryOutcome &outcome);
};

/// The lookup for rows like @p row: RDAP for a row whose server is a base URL, WHOIS otherwise.
std::unique_ptr<RegistryLookup> createLookup(const tld::TldRecord &row, QObject *parent = nullptr);

/**
 * A lookup for callers that keep one and ask rows of every kind: each request goes to a lookup of the
 * kind its row names, made when first needed and kept. Starting one kind abandons the other's question.
 */
class AnyRowLookup : public RegistryLookup {
    Q_OBJECT
public:
    using RegistryLookup::RegistryLookup;
    ~AnyRowLookup() override;

    void start(const LookupRequest &request) override;
    void abort() override;

private:
    RegistryLookup &lookupFor(const tld::TldRecord &row);

    std::unique_ptr<RegistryLookup> m_whois;
    std::unique_ptr<RegistryLookup> m_rdap;
};

} // namespace lookup
