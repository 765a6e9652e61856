#include "cli/ZoneImportCommand.h"

#include "cli/CheckOptions.h"
#include "cli/ConsoleIo.h"
#include "zones/ZoneImport.h"
#include "zones/ZoneScreen.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

namespace cli {

namespace {

QByteArray progressLine(const zones::ImportProgress &progress)
{
    QString line = QStringLiteral("\r%1%, %2 names").arg(int(progress.fraction * 100)).arg(progress.names);
    if (progress.etaSeconds >= 0)
        line += QStringLiteral(", %1:%2 left")
                    .arg(progress.etaSeconds / 60)
                    .arg(progress.etaSeconds % 60, 2, 10, QLatin1Char('0'));
    return line.toUtf8() + "\x1b[K";
}

QByteArray outcome(const zones::ZoneImport &import, bool json)
{
    const zones::ZoneInfo &info = import.info();
    const QString date = info.sourceDate.toString(Qt::ISODate);
    if (json)
        return QJsonDocument(QJsonObject{{QStringLiteral("tld"), info.tld},
                                         {QStringLiteral("names"), qint64(info.count)},
                                         {QStringLiteral("serial"), qint64(info.serial)},
                                         {QStringLiteral("zoneDate"), date},
                                         {QStringLiteral("skippedRecords"), import.skippedRecords()},
                                         {QStringLiteral("index"), import.indexFile()}})
                   .toJson(QJsonDocument::Compact) +
               '\n';
    return QStringLiteral("%1\t%2 names\tzone of %3\tserial %4\t%5\n")
        .arg(info.tld)
        .arg(info.count)
        .arg(date)
        .arg(info.serial)
        .arg(import.indexFile())
        .toUtf8();
}

} // namespace

bool importZone(const CheckOptions &options, const QString &dataFolder)
{
    if (!QDir(dataFolder).exists()) {
        writeStandardError(QStringLiteral("quarrytide-check: %1 is not a folder\n").arg(dataFolder).toUtf8());
        return false;
    }
    zones::ZoneImport import(options.importZone, zones::zonesFolder(dataFolder), options.tlds.value(0));
    const bool showProgress = !options.quiet && standardErrorIsTerminal();
    if (showProgress)
        QObject::connect(&import, &zones::ZoneImport::progressed,
                         [&import] { writeStandardError(progressLine(import.progress())); });
    const bool done = import.run();
    if (showProgress)
        writeStandardError("\r\x1b[K");
    if (!done) {
        writeStandardError(QStringLiteral("quarrytide-check: %1 was not imported: %2\n")
                               .arg(options.importZone, import.error())
                               .toUtf8());
        return false;
    }
    if (import.skippedRecords() > 0 && !options.quiet)
        writeStandardError(QStringLiteral("quarrytide-check: %1 records could not be read and were passed over\n")
                               .arg(import.skippedRecords())
                               .toUtf8());
    return writeStandardOutput(outcome(import, options.json)) == 0;
}

} // namespace cli
