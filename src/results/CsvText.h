#pragma once

#include <QString>
#include <QStringList>

namespace results {

/// One CSV field: quoted when it holds a comma, a quote or a line end (quotes doubled inside), and kept
/// as text when a spreadsheet would take it for a formula.
QString csvField(const QString &text);

/// A CSV line of @p fields, each passed through csvField(), ended by CR LF.
QString csvLine(const QStringList &fields);

} // namespace results
