#pragma once

#include "lookup/QueryOutcome.h"

#include <QByteArray>
#include <QString>

namespace cli {

/// available, registered, refused, unknown, timeout, no-server or invalid.
QString verdictWord(lookup::QueryOutcome::Kind kind);
/// High, Mid or Low for an available name, Registered for a registered one; empty when the result
/// classes take no such name.
QString classWord(const lookup::QueryOutcome &outcome);
/// host:port of the server asked, empty when no server was asked.
QString serverText(const lookup::QueryOutcome &outcome);

/// What the fifth field says: the success phrase of an available name, the reason of an invalid entry.
QString reasonText(const lookup::QueryOutcome &outcome);

/// One output line, ended by LF: tab-separated fields, or a JSON object (with the list entry where it
/// differs from the domain, and the reason of an invalid entry).
QByteArray tsvLine(const lookup::QueryOutcome &outcome);
QByteArray jsonLine(const lookup::QueryOutcome &outcome);

} // namespace cli
