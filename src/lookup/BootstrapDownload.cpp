#include "lookup/BootstrapDownload.h"

#include "platform/Intervals.h"
#include "tld/TldRecord.h"

#include <QTimer>

namespace lookup {

BootstrapDownload::BootstrapDownload(QObject *parent) : QObject(parent)
{
    connect(&m_exchange, &HttpExchange::finished, this, &BootstrapDownload::onEnd);
}

void BootstrapDownload::start(const QString &address)
{
    m_exchange.abort();
    if (!tld::isUsableRdapBase(address)) {
        // Said after the caller's start has returned, as a network failure would be.
        QTimer::singleShot(0, this, [this] {
            emit failed(QStringLiteral("the address is not an https:// address (plain http:// only for this "
                                       "computer)"));
        });
        return;
    }
    m_exchange.start(QUrl(address), "application/json", sizeLimit, platform::intervals().downloadTimeoutMs);
}

void BootstrapDownload::onEnd(HttpExchange::End end)
{
    if (end != HttpExchange::End::Complete) {
        QString reason = m_exchange.describe(end);
        if (end == HttpExchange::End::NetworkError && !m_exchange.errorText().isEmpty())
            reason += QStringLiteral(" (") + m_exchange.errorText() + QLatin1Char(')');
        emit failed(reason);
        return;
    }
    if (m_exchange.status() != 200) {
        emit failed(QStringLiteral("HTTP %1 %2").arg(m_exchange.status()).arg(m_exchange.reason()).trimmed());
        return;
    }
    emit downloaded(m_exchange.body());
}

} // namespace lookup
