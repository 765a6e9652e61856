#include "sources/SourceCatalog.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFileInfo>

namespace sources {

const QList<SourceInfo> &sourceCatalog()
{
    static const QList<SourceInfo> catalog = {
        {QT_TRANSLATE_NOOP("sources::SourceCatalog", "Browse for names"), QString(), QString()},
        {QT_TRANSLATE_NOOP("sources::SourceCatalog", "Generate names"), QStringLiteral("CreatedDomains.txt"),
         QString()},
        {QT_TRANSLATE_NOOP("sources::SourceCatalog", "Yahoo Search"), QStringLiteral("BrowserSearch.txt"),
         QStringLiteral("YahooWordNum")},
        {QT_TRANSLATE_NOOP("sources::SourceCatalog", "Google Search"), QStringLiteral("BrowserSearch.txt"),
         QStringLiteral("GoogleWordNum")},
        {QT_TRANSLATE_NOOP("sources::SourceCatalog", "Full Word List"), QStringLiteral("Wordlists/FullWordList.txt"),
         QStringLiteral("FullWordNum")},
        {QT_TRANSLATE_NOOP("sources::SourceCatalog", "All Two Letter"), QStringLiteral("Wordlists/AllTwoLetter.txt"),
         QStringLiteral("TwoWordNum")},
        {QT_TRANSLATE_NOOP("sources::SourceCatalog", "All Three Letter"),
         QStringLiteral("Wordlists/AllThreeLetter.txt"), QStringLiteral("ThreeWordNum")},
        {QT_TRANSLATE_NOOP("sources::SourceCatalog", "All Four Letter"), QStringLiteral("Wordlists/AllFourLetter.txt"),
         QStringLiteral("FourWordNum")},
        {QT_TRANSLATE_NOOP("sources::SourceCatalog", "Custom List"), QString(), customPositionKey},
    };
    return catalog;
}

const SourceInfo *sourceNamed(const QString &caption)
{
    for (const SourceInfo &info : sourceCatalog()) {
        if (QLatin1String(info.caption) == caption)
            return &info;
    }
    return nullptr;
}

QStringList sourceCaptions()
{
    QStringList captions;
    for (const SourceInfo &info : sourceCatalog())
        captions.append(QCoreApplication::translate("sources::SourceCatalog", info.caption));
    return captions;
}

QString listPositionKey(const QString &path)
{
    if (path.isEmpty())
        return {};
    // Hashed: a path holds characters that the settings file would take for group separators.
    const QByteArray hash =
        QCryptographicHash::hash(QFileInfo(path).absoluteFilePath().toUtf8(), QCryptographicHash::Sha1).toHex();
    return QStringLiteral("ListNum_") + QString::fromLatin1(hash.left(16));
}

QString checkedStartNumber(const QString &startText, const QString &countText)
{
    bool startOk = false;
    bool countOk = false;
    const int start = startText.trimmed().toInt(&startOk);
    const int count = countText.trimmed().toInt(&countOk);
    // A start number equal to the count is kept: it is the last entry of the list.
    if (!startOk || !countOk || start > count)
        return QStringLiteral("1");
    return startText;
}

} // namespace sources
