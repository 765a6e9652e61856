#pragma once

#include <QString>
#include <QStringList>

namespace sources {

/// The nine sources of the main window, in list order.
enum class Source { Browse, Generate, Yahoo, Google, FullWords, TwoLetters, ThreeLetters, FourLetters, Custom };

/// How a source is chosen and resumed.
struct SourceInfo {
    const char *caption; ///< item text in the source list and the Tools menu, untranslated
    QString listFile;    ///< list file relative to the application folder; empty when chosen by dialog
    QString positionKey; ///< position key saved after each entry (besides wordNumber); empty for none
};

const QList<SourceInfo> &sourceCatalog();
/// The source whose untranslated caption is @p caption.
const SourceInfo *sourceNamed(const QString &caption);
/// The captions in list order, in the user's language.
QStringList sourceCaptions();

/// Key of the overall position, saved after every entry for every source.
inline const QString overallPositionKey = QStringLiteral("wordNumber");
/// Key of the custom list run last, kept for files that rely on it; each list has a key of its own.
inline const QString customPositionKey = QStringLiteral("CustWordNum");

/// The position key of the list file at @p path (a custom or generated list): one per file, so every
/// list resumes where it stopped. Empty for an empty path.
QString listPositionKey(const QString &path);

/// The start number accepted for @p startText against @p countText: the number itself when both are
/// integers and the number does not exceed the count, otherwise "1".
QString checkedStartNumber(const QString &startText, const QString &countText);

} // namespace sources
