// The TLD table loader: rows as the file holds them, the list view's fields and the shipped root zone list.
#include "FuzzInput.h"
#include "platform/TextCodec.h"
#include "tld/RootZone.h"
#include "tld/TldRecord.h"
#include "tld/TldRegistry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const fuzzing::ScratchFile scratch("tlds");
    const QByteArray bytes = fuzzing::bytesOf(data, size);
    const QString text = platform::decodeText(bytes);

    const tld::TldTable table = tld::parseTable(text);
    for (const tld::TldRecord &row : table) {
        if (row.port < 0 || row.port > 65535 || row.extension != row.extension.toLower())
            __builtin_trap();
    }
    // A table read back from the rows it was written from holds the same rows.
    QString written;
    for (const tld::TldRecord &row : table)
        written += tld::rowText(row.extension, row.server, QString::number(row.port),
                                row.enabled ? tld::enabledStatus : tld::disabledStatus, QString::number(row.throttle),
                                row.successPhrases) +
                   platform::crlf;
    if (tld::parseTable(written).size() != table.size())
        __builtin_trap();

    const tld::TldFile file(scratch.write(bytes));
    (void)file.listTldsInView();
    (void)file.chooserItems();
    (void)file.generatorItems();
    (void)tld::parseRootZone(text);
    tld::TldRegistry registry(file.path());
    registry.loadTldTable();
    (void)registry.findTldIndex(QStringLiteral("example.com"));
    return 0;
}
