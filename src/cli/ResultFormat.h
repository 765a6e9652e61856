#pragma once

#include "lookup/QueryOutcome.h"

#include <QByteArray>
#include <QString>

namespace cli {

/// available, registered, refused, unknown, timeout or no-server.
QString verdictWord(lookup::QueryOutcome::Kind kind);
/// High, Mid or Low for an available name, Registered for a registered one; empty when the result
/// classes take no such name.
QString classWord(const lookup::QueryOutcome &outcome);
/// host:port of the server asked, empty when no server was asked.
QString serverText(const lookup::QueryOutcome &outcome);

/// One output line, ended by LF: tab-separated fields, or a JSON object.
QByteArray tsvLine(const lookup::QueryOutcome &outcome);
QByteArray jsonLine(const lookup::QueryOutcome &outcome);

} // namespace cli
