#pragma once

#include "engine/RunEnd.h"
#include "engine/ServerState.h"

#include <QCoreApplication>
#include <QString>

namespace engine {

/// The words the windows use for what the engine and its scheduler report.
class EngineWords {
    Q_DECLARE_TR_FUNCTIONS(EngineWords)
public:
    /// "closed without answering", "answered 429 (too many requests)", ...: what went wrong, said of a server.
    static QString trouble(Trouble trouble);
    /// Why a server rests or was given up: "answered 429", "3 names in a row closed without answering".
    static QString cause(const ServerState &state);
    /// "whois.example.net rests 2 s: answered 429", "whois.example.net does not answer (3 time-outs in a
    /// row): its names are left unchecked", or "whois.example.net is asked again".
    static QString serverState(const ServerState &state);
    /// "No connection open", "1 connection open", "3 connections open".
    static QString connections(int open);
    /// "Checking example.com".
    static QString checking(const QString &domain);
    /// "Finished: 5 names - 0 available, 0 registered, 5 unchecked", or "Stopped: ..." in the same shape.
    static QString summary(const RunEnd &end);
};

} // namespace engine
