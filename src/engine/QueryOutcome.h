#pragma once

#include <QMetaType>
#include <QString>

namespace engine {

/// How one domain's check ended.
struct QueryOutcome {
    enum class Kind { Available, Registered, Refused, TimedOut, NoServer };
    Kind kind = Kind::Registered;
    QString domain;
    QString server;
    int port = 0;
    QString successWord; ///< the phrase that made the domain available
    QString answer;      ///< what the server sent (empty for time-outs)
};

} // namespace engine

Q_DECLARE_METATYPE(engine::QueryOutcome)
