// Records a batch of checks in History.sqlite and saves TLDs.txt, Remembered.txt, a series file and a
// list position with the program's own save code, round after round, until it is killed:
// saveloop FOLDER FIRST_ROUND. Prints "saving" once the first round is written.
#include "SaveLoop.h"
#include "platform/ProgramSettings.h"
#include "results/DomainListModel.h"
#include "results/HistoryStore.h"
#include "results/RememberedList.h"
#include "results/SeriesFiles.h"
#include "tld/TldFile.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3)
        return 2;
    const QDir folder(arguments.at(1));
    const tld::TldFile tlds(folder.filePath(QStringLiteral("TLDs.txt")));
    const results::RememberedList remembered(folder.filePath(QStringLiteral("Remembered.txt")));
    const QString seriesPath = folder.filePath(QStringLiteral("Series.txt"));
    results::SeriesFile series;
    platform::ProgramSettings settings(folder.filePath(QStringLiteral("settings")));
    results::DomainListModel list;
    results::HistoryStore history(folder.filePath(QStringLiteral("History.sqlite")));
    if (!history.open())
        return 1;
    const int run = history.startRun(results::Runner::CommandLine, QStringLiteral("saveloop"));

    for (int generation = arguments.at(2).toInt();; ++generation) {
        for (int i = 0; i < saveloop::historyChecks; ++i)
            history.record({lookup::QueryOutcome::Kind::Registered, saveloop::historyDomain(generation, i)}, run);
        history.waitForWrites();
        if (!tlds.saveLines(saveloop::tldRows(generation)))
            return 1;
        list.setEntries(saveloop::rememberedEntries(generation));
        if (!remembered.save(list))
            return 1;
        if (generation % 10 == 0)
            series.invalidate();
        if (!series.sync(seriesPath, saveloop::seriesEntries(generation)))
            return 1;
        // As a run saves them after every name: the list's own key and the overall one in one write.
        settings.savePositions({QLatin1String(saveloop::positionKey), QStringLiteral("wordNumber")},
                               saveloop::position(generation));
        if (generation == arguments.at(2).toInt()) {
            std::puts("saving");
            std::fflush(stdout);
        }
    }
}
