#pragma once

#include <QString>
#include <QStringList>

// What the save loop writes in its round @p generation, so that the test can tell a whole file of one
// round from a torn one. Shared by the loop and the test that kills it.
namespace saveloop {

inline constexpr auto positionKey = "ListPosition";

/// Rows of TLDs.txt: their number changes from round to round.
inline QStringList tldRows(int generation)
{
    QStringList rows;
    for (int i = 0; i < 40 + generation % 160; ++i)
        rows << QStringLiteral("g%1x%2|127.0.0.1|43|Enabled|0|No match").arg(generation).arg(i);
    return rows;
}

/// Entries of Remembered.txt.
inline QStringList rememberedEntries(int generation)
{
    QStringList entries;
    for (int i = 0; i < 100 + generation % 300; ++i)
        entries << QStringLiteral("g%1n%2.com").arg(generation).arg(i);
    return entries;
}

/// A series file's list: it grows by 20 entries a round (appended to the file) and starts anew every
/// tenth round (the file is rewritten).
inline QStringList seriesEntries(int generation)
{
    QStringList entries;
    for (int i = 0; i < (generation % 10 + 1) * 20; ++i)
        entries << QStringLiteral("e%1n%2.net").arg(generation / 10).arg(i);
    return entries;
}

/// Checks recorded in the history: one batch of them a round, named after the round.
inline constexpr int historyChecks = 40;
inline QString historyDomain(int generation, int i)
{
    return QStringLiteral("h%1n%2.com").arg(generation).arg(i);
}

/// The saved position: a number with a tail whose length changes.
inline QString position(int generation)
{
    return QString::number(generation) + QStringLiteral(" ") + QString(generation % 700, QLatin1Char('p'));
}

} // namespace saveloop
