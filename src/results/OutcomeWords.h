#pragma once

#include "lookup/QueryOutcome.h"

#include <QString>

namespace results {

/// available, registered, refused, unknown, timeout, no-server, invalid or likely-available.
QString outcomeWord(lookup::QueryOutcome::Kind kind);
/// High, Mid or Low for an available name, Registered for a registered one; empty when the result
/// classes take no such name.
QString classWord(const lookup::QueryOutcome &outcome);
/// High, Mid, Low or Registered for result list @p listNumber (ListNumber); empty for 0.
QString listClassWord(int listNumber);
/// registry, dns, zone or history: where an outcome came from.
QString sourceWord(lookup::QueryOutcome::Source source);
/// The result list (ListNumber) that takes the name of @p outcome; 0 when none does.
int resultListFor(const lookup::QueryOutcome &outcome);
/// host:port of the server asked, empty when no server was asked; "dns" for the DNS pre-check, and the
/// mark "(from history, DATE)" for a verdict taken from the history.
QString serverText(const lookup::QueryOutcome &outcome);

} // namespace results
