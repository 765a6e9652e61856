#pragma once

#include <QString>

#include <vector>

namespace results {

/// Which part of the program made a check.
enum class Runner { MainWindow = 1, BrowseWindow = 2, CommandLine = 3 };

namespace history {

/// One check on its way to History.sqlite.
struct CheckRow {
    QString domain; ///< as asked: the ASCII form, lower case
    QString name;   ///< as shown, when it differs from domain
    QString entry;  ///< the list entry, when it differs from the name
    int outcome = 0;
    int listNumber = 0; ///< the result list it went to; 0: none
    int source = 0;
    QString server;
    int httpStatus = 0;
    QString phrase;
    qint64 time = 0; ///< seconds since 1970, UTC
    int run = 0;     ///< the run's number in this program (see RunStart)
};

/// A run begins: its checks follow.
struct RunStart {
    int run = 0;
    Runner runner = Runner::MainWindow;
    qint64 started = 0;
    QString source; ///< where its names came from, in words
};

/// What one transaction writes.
struct Batch {
    std::vector<RunStart> runs;
    std::vector<CheckRow> rows;
    bool isEmpty() const { return runs.empty() && rows.empty(); }
};

} // namespace history

} // namespace results
