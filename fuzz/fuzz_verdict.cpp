// The verdict: the first line is the TLD row the answer is judged for, the rest the answer's bytes.
#include "FuzzInput.h"
#include "platform/TextCodec.h"
#include "tld/TldRecord.h"
#include "tld/Verdict.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzing::bytesOf(data, size);
    const qsizetype lineEnd = bytes.indexOf('\n');
    const QByteArray rowLine = lineEnd < 0 ? bytes : bytes.left(lineEnd);
    const QByteArray answerBytes = lineEnd < 0 ? QByteArray() : bytes.mid(lineEnd + 1);

    tld::TldRecord row;
    if (!tld::parseRow(platform::decodeText(rowLine).trimmed(), row))
        row = fuzzing::builtInTable().constFirst();
    const QString answer = platform::decodeText(answerBytes);
    const QString domain = tld::asciiDomain(QStringLiteral("quarrytide.") + row.extension);
    const tld::WhoisVerdict verdict = tld::judgeAnswer(answer, row.successPhrases, domain);
    if (verdict.kind == tld::WhoisVerdict::Kind::Available && verdict.successWord.isEmpty())
        __builtin_trap();
    if (verdict.kind != tld::WhoisVerdict::Kind::Available && !verdict.successWord.isEmpty())
        __builtin_trap();
    // Nothing to judge is never a verdict.
    if (answer.trimmed().isEmpty() && verdict.kind != tld::WhoisVerdict::Kind::Unknown)
        __builtin_trap();
    (void)tld::isPlaceholderName(answer.left(64));
    return 0;
}
