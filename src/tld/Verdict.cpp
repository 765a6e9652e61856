#include "tld/Verdict.h"

namespace tld {

const QStringList &errorWords()
{
    static const QStringList words = {QStringLiteral("error"), QStringLiteral("quota"), QStringLiteral("blocked"),
                                      QStringLiteral("exceeded")};
    return words;
}

bool findSuccessPhrase(const QString &answer, const QString &successPhrases, QString *word)
{
    const QStringList items = successPhrases.split(QLatin1Char(','));
    for (const QString &item : items) {
        const QString phrase = item.trimmed();
        // An empty item would be found in every answer and call every name free.
        if (phrase.isEmpty())
            continue;
        if (answer.contains(phrase, Qt::CaseInsensitive)) {
            if (word)
                *word = phrase;
            return true;
        }
    }
    return false;
}

bool containsErrorWord(const QString &answer)
{
    for (const QString &word : errorWords()) {
        if (answer.contains(word, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

WhoisVerdict judgeAnswer(const QString &answer, const QString &successPhrases, const QString &domain)
{
    Q_UNUSED(domain)
    WhoisVerdict verdict;
    if (findSuccessPhrase(answer, successPhrases, &verdict.successWord))
        verdict.kind = WhoisVerdict::Kind::Available;
    else if (containsErrorWord(answer))
        verdict.kind = WhoisVerdict::Kind::ErrorBlocked;
    return verdict;
}

bool isPlaceholderName(const QString &domain)
{
    if (domain.compare(QLatin1String(".com"), Qt::CaseInsensitive) == 0 ||
        domain.compare(QLatin1String(".net"), Qt::CaseInsensitive) == 0)
        return true;
    return domain.contains(QLatin1String("\".com"), Qt::CaseInsensitive) ||
           domain.contains(QLatin1String("\".net"), Qt::CaseInsensitive);
}

} // namespace tld
