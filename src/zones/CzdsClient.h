#pragma once

#include <QByteArray>
#include <QList>
#include <QNetworkRequest>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <QNetworkReply>

namespace zones {

/// Where the zone data service answers: its account host (sign-in) and its API host (zone lists and
/// downloads). The settings can point them elsewhere; tests point them at 127.0.0.1.
struct CzdsAddresses {
    /// The keychain entry of the account's password.
    static constexpr auto passwordSecret = "czds-password";
    QUrl account = QUrl(QStringLiteral("https://account-api.icann.org"));
    QUrl api = QUrl(QStringLiteral("https://czds-api.icann.org"));
};

/// A zone the account may download.
struct CzdsZone {
    QString tld;
    QUrl link;
    friend bool operator==(const CzdsZone &, const CzdsZone &) = default;
};

/// Whether credentials or a token may travel to @p url: https, or plain http to this computer only.
bool isSafeServiceAddress(const QUrl &url);
/// A request of the zone data service: JSON, the program's user agent, and the bearer @p token if any.
QNetworkRequest serviceRequest(const QUrl &url, const QByteArray &token = QByteArray());

/**
 * The account at the zone data service: signing in with user name and password for a bearer token
 * (kept in memory only, valid about a day) and listing the zones the account may download. A token
 * that has run out is renewed once with the same credentials, held in memory while the client lives.
 */
class CzdsClient : public QObject {
    Q_OBJECT
public:
    explicit CzdsClient(const CzdsAddresses &addresses, QObject *parent = nullptr);
    ~CzdsClient() override;

    void signIn(const QString &user, const QString &password);
    /// Asks for the zones the account may download; zonesListed() or failed() follows.
    void listZones();
    /// Signs in again with the same credentials (the token ran out during a download).
    void renewToken() { signIn(m_user, m_password); }

    bool isSignedIn() const { return !m_token.isEmpty(); }
    QByteArray token() const { return m_token; }
    const CzdsAddresses &addresses() const { return m_addresses; }
    bool isBusy() const { return m_reply != nullptr; }

signals:
    void signedIn();
    void zonesListed(const QList<zones::CzdsZone> &zones);
    /// A request failed; @p badCredentials when the service refused the user name or password.
    void failed(const QString &message, bool badCredentials);

private:
    void send(QNetworkReply *reply, void (CzdsClient::*handler)(int status, const QByteArray &body));
    void takeToken(int status, const QByteArray &body);
    void takeZones(int status, const QByteArray &body);
    QList<CzdsZone> zonesIn(const QByteArray &body) const;
    void fail(const QString &message, bool badCredentials = false);

    CzdsAddresses m_addresses;
    QString m_user;
    QString m_password;
    QByteArray m_token;
    bool m_listAfterSignIn = false;
    bool m_renewed = false;
    QPointer<QNetworkReply> m_reply;
};

/// The words for an HTTP status the service answered with, for messages.
QString describeServiceStatus(int status);

} // namespace zones
