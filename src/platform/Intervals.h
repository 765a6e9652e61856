#pragma once

namespace platform {

/**
 * Every timer interval and time limit of the program, in one place so that tests can shorten them.
 * Production code reads intervals(); a test assigns shorter values before it creates its objects.
 */
struct Intervals {
    int splashTickMs = 2;            ///< splash timer
    int splashTicks = 75;            ///< splash ticks before the main window appears
    int throttleTickMs = 1;          ///< one throttle tick
    int secondMs = 1000;             ///< the one-second timers (silence, watchdog, time-outs, harvester)
    int silenceSeconds = 10;         ///< seconds of silence before a query is reconnected
    int watchdogSeconds = 30;        ///< seconds before a batch is abandoned
    int testTimeoutTicks = 5;        ///< ticks before a test query or browse check times out
    int harvestStartTicks = 3;       ///< harvester ticks before the first page is fetched
    int harvestPagePauseMs = 500;    ///< pause between two result pages
    int downloadTimeoutMs = 30000;   ///< limit for one page download
    int positionSaveMs = 1000;       ///< least time between two writes of a run's resume position
    int restUnitMs = 1000;           ///< one second of a server's rest (Retry-After, back-off after a refusal)
    int longestBackoffSeconds = 300; ///< the longest rest after refusals in a row
    int historyHandOverMs = 1000;    ///< longest time a check waits before it goes to the history's writer
};

Intervals &intervals();

} // namespace platform
