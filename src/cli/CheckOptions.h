#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace cli {

/// What one run of quarrytide-check was asked to do.
struct CheckOptions {
    QStringList inputs; ///< list files in order; "-" is standard input; empty means standard input
    QString dataDir;    ///< empty: the desktop program's application folder
    QStringList tlds;   ///< extensions for names without a dot, without their dot; empty: the default
    QString proxyHost;  ///< empty: no proxy
    int proxyPort = 0;
    std::optional<int> throttleMs; ///< replaces the throttle of every TLD row
    QString resumeFile;            ///< position file; empty: start at the first name and keep no position
    bool profileFiles = false;
    std::optional<double> timeoutSeconds; ///< time a query may take before it is given up
    int tries = 5;                        ///< times a name is asked of a server that refuses it
    bool dns = true;                      ///< ask DNS first; a delegated name needs no registry question
    QString dnsServer;                    ///< "address:port" of the resolver; empty: the system's resolvers
    bool json = false;
    bool quiet = false;
    QString historyFile;     ///< the check history; empty: History.sqlite in the data folder
    bool history = true;     ///< record every outcome in the history
    int skipCheckedDays = 0; ///< take the verdict of names checked in the last this many days; 0: ask all
    QString importZone;      ///< a zone file to index for zone screening instead of checking names
    QStringList zones;       ///< indexes or zone files to screen against, besides the data folder's indexes
    bool zoneOnly = false;   ///< names outside a zone end as likely available, unasked
};

/// The outcome of reading the command line.
struct ParsedCommandLine {
    enum class Action { Run, Help, Version, Fail };
    Action action = Action::Run;
    CheckOptions options;
    QString error; ///< one line, for Fail
};

/// Reads the arguments (without the program name).
ParsedCommandLine parseCommandLine(const QStringList &arguments);

/// The text --help prints.
QString usageText();

/// Longest and shortest time limits accepted by --timeout, in seconds.
inline constexpr double minTimeoutSeconds = 0.1;
inline constexpr double maxTimeoutSeconds = 86400;
/// Most tries accepted by --tries.
inline constexpr int maxTries = 100;
/// Most days accepted by --skip-checked-within.
inline constexpr int maxSkipDays = 36500;

} // namespace cli
