#pragma once

#include "lookup/HttpExchange.h"

#include <QObject>

namespace lookup {

/// Downloads IANA's RDAP bootstrap file for DNS: the whole file, or a reason why not.
class BootstrapDownload : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 sizeLimit = 4 * 1024 * 1024; ///< many times the file's size today

    explicit BootstrapDownload(QObject *parent = nullptr);

    /// Starts the download from @p address (https, or plain http to this computer); a running one is dropped.
    void start(const QString &address);
    bool isBusy() const { return m_exchange.isBusy(); }

signals:
    void downloaded(const QByteArray &json);
    /// @p reason in words for the user.
    void failed(const QString &reason);

private:
    void onEnd(HttpExchange::End end);

    HttpExchange m_exchange;
};

} // namespace lookup
