#include "sources/SourceCatalog.h"

#include <QCryptographicHash>
#include <QFileInfo>

namespace sources {

const QList<SourceInfo> &sourceCatalog()
{
    static const QList<SourceInfo> catalog = {
        {QStringLiteral("Browse for names"), QString(), QString()},
        {QStringLiteral("Generate names"), QStringLiteral("CreatedDomains.txt"), QString()},
        {QStringLiteral("Yahoo Search"), QStringLiteral("BrowserSearch.txt"), QStringLiteral("YahooWordNum")},
        {QStringLiteral("Google Search"), QStringLiteral("BrowserSearch.txt"), QStringLiteral("GoogleWordNum")},
        {QStringLiteral("Full Word List"), QStringLiteral("Wordlists/FullWordList.txt"), QStringLiteral("FullWordNum")},
        {QStringLiteral("All Two Letter"), QStringLiteral("Wordlists/AllTwoLetter.txt"), QStringLiteral("TwoWordNum")},
        {QStringLiteral("All Three Letter"), QStringLiteral("Wordlists/AllThreeLetter.txt"),
         QStringLiteral("ThreeWordNum")},
        {QStringLiteral("All Four Letter"), QStringLiteral("Wordlists/AllFourLetter.txt"),
         QStringLiteral("FourWordNum")},
        {QStringLiteral("Custom List"), QString(), customPositionKey},
    };
    return catalog;
}

const SourceInfo *sourceNamed(const QString &caption)
{
    for (const SourceInfo &info : sourceCatalog()) {
        if (info.caption == caption)
            return &info;
    }
    return nullptr;
}

QStringList sourceCaptions()
{
    QStringList captions;
    for (const SourceInfo &info : sourceCatalog())
        captions.append(info.caption);
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
