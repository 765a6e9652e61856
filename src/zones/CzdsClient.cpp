#include "zones/CzdsClient.h"

#include "lookup/HttpExchange.h"
#include "platform/SettingsFile.h"
#include "tld/TldRecord.h"
#include "zones/MasterFileReader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>

#include <algorithm>
#include <cstring>
#include <utility>

namespace zones {

namespace {

constexpr qint64 answerLimit = 4 * 1024 * 1024;

} // namespace

bool isSafeServiceAddress(const QUrl &url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    return url.scheme() == QLatin1String("https") ||
           (url.scheme() == QLatin1String("http") && tld::isLoopbackHost(url.host()));
}

QNetworkRequest serviceRequest(const QUrl &url, const QByteArray &token)
{
    QNetworkRequest request(url);
    request.setRawHeader("Accept", "application/json");
    request.setHeader(QNetworkRequest::UserAgentHeader, QLatin1String(platform::productName));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    if (!token.isEmpty())
        request.setRawHeader("Authorization", "Bearer " + token);
    return request;
}

QString describeServiceStatus(int status)
{
    switch (status) {
    case 401:
        return CzdsClient::tr("the sign-in has run out or was refused (HTTP 401)");
    case 403:
        return CzdsClient::tr("the account may not download this (HTTP 403)");
    case 404:
        return CzdsClient::tr("there is no such file at the service (HTTP 404)");
    case 429:
        return CzdsClient::tr("too many requests: the service asks to wait before the next (HTTP 429)");
    default:
        return status >= 500 ? CzdsClient::tr("the service has a problem of its own (HTTP %1): try later").arg(status)
                             : CzdsClient::tr("the service answered HTTP %1").arg(status);
    }
}

CzdsClient::CzdsClient(const CzdsAddresses &addresses, QObject *parent) : QObject(parent), m_addresses(addresses) {}

CzdsClient::~CzdsClient()
{
    if (m_reply)
        m_reply->abort();
}

void CzdsClient::fail(const QString &message, bool badCredentials)
{
    emit failed(message, badCredentials);
}

void CzdsClient::signIn(const QString &user, const QString &password)
{
    m_user = user;
    m_password = password;
    m_token.clear();
    const QUrl url = m_addresses.account.resolved(QUrl(QStringLiteral("/api/authenticate")));
    if (!isSafeServiceAddress(url)) {
        fail(tr("The password is never sent to %1: it is not an https address.").arg(url.toDisplayString()));
        return;
    }
    QNetworkRequest request = serviceRequest(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    const QByteArray body =
        QJsonDocument(QJsonObject{{QStringLiteral("username"), user}, {QStringLiteral("password"), password}})
            .toJson(QJsonDocument::Compact);
    send(lookup::network().post(request, body), &CzdsClient::takeToken);
}

void CzdsClient::listZones()
{
    const QUrl url = m_addresses.api.resolved(QUrl(QStringLiteral("/czds/downloads/links")));
    if (!isSafeServiceAddress(url)) {
        fail(tr("The sign-in is never sent to %1: it is not an https address.").arg(url.toDisplayString()));
        return;
    }
    send(lookup::network().get(serviceRequest(url, m_token)), &CzdsClient::takeZones);
}

void CzdsClient::send(QNetworkReply *reply, void (CzdsClient::*handler)(int, const QByteArray &))
{
    if (m_reply)
        m_reply->abort();
    m_reply = reply;
    connect(reply, &QNetworkReply::readyRead, this, [reply] {
        if (reply->bytesAvailable() > answerLimit)
            reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply, handler] {
        reply->deleteLater();
        if (m_reply == reply)
            m_reply = nullptr;
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (status == 0) {
            fail(tr("The zone data service could not be reached: %1.").arg(reply->errorString()));
            return;
        }
        (this->*handler)(status, reply->read(answerLimit));
    });
}

void CzdsClient::takeToken(int status, const QByteArray &body)
{
    if (status == 401 || status == 403) {
        m_password.clear();
        fail(tr("The zone data service refused the user name or password."), true);
        return;
    }
    if (status != 200) {
        fail(tr("Signing in failed: %1.").arg(describeServiceStatus(status)));
        return;
    }
    m_token = QJsonDocument::fromJson(body).object().value(QStringLiteral("accessToken")).toString().toLatin1();
    // A token becomes part of a header: nothing but the characters of a bearer token may pass.
    const bool plain = std::all_of(m_token.cbegin(), m_token.cend(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
               std::strchr("-._~+/=", c) != nullptr;
    });
    if (m_token.isEmpty() || !plain) {
        m_token.clear();
        fail(tr("Signing in failed: the service's answer holds no token."));
        return;
    }
    emit signedIn();
    if (std::exchange(m_listAfterSignIn, false))
        listZones();
}

void CzdsClient::takeZones(int status, const QByteArray &body)
{
    const bool mayRenew = !std::exchange(m_renewed, false);
    if (status == 401 && mayRenew && !m_password.isEmpty()) {
        // The token ran out: sign in again once, then ask again.
        m_renewed = true;
        m_listAfterSignIn = true;
        renewToken();
        return;
    }
    if (status != 200) {
        fail(tr("The list of zones could not be had: %1.").arg(describeServiceStatus(status)));
        return;
    }
    const QJsonDocument document = QJsonDocument::fromJson(body);
    if (!document.isArray()) {
        fail(tr("The list of zones could not be read: the service's answer is not a list."));
        return;
    }
    emit zonesListed(zonesIn(body));
}

QList<CzdsZone> CzdsClient::zonesIn(const QByteArray &body) const
{
    QList<CzdsZone> zones;
    const QUrl api = m_addresses.api;
    const QJsonArray links = QJsonDocument::fromJson(body).array();
    for (const QJsonValue value : links) {
        const QUrl link(value.toString());
        // The token goes only to the service's own host.
        if (link.scheme() != api.scheme() || link.host() != api.host() || link.port() != api.port())
            continue;
        const QString file = link.path(QUrl::FullyEncoded).section(QLatin1Char('/'), -1).toLower();
        if (!file.endsWith(QLatin1String(".zone")))
            continue;
        const QString tld = file.chopped(5);
        if (isHostName(tld.toStdString()))
            zones.append({tld, link});
    }
    std::sort(zones.begin(), zones.end(), [](const CzdsZone &a, const CzdsZone &b) { return a.tld < b.tld; });
    return zones;
}

} // namespace zones
