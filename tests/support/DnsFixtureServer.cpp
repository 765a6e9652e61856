#include "DnsFixtureServer.h"

#include <QTcpSocket>

namespace testing {

namespace {

void put16(QByteArray &out, int value)
{
    out.append(char((value >> 8) & 0xff));
    out.append(char(value & 0xff));
}

// The name of the first question, and where the question ends; empty when the message is too short.
QString questionName(const QByteArray &message, qsizetype &end)
{
    QStringList labels;
    qsizetype at = 12;
    while (at < message.size()) {
        const int length = quint8(message.at(at));
        if (length == 0) {
            end = at + 1 + 4;
            return end <= message.size() ? labels.join(QLatin1Char('.')) : QString();
        }
        labels.append(QString::fromLatin1(message.mid(at + 1, length)));
        at += 1 + length;
    }
    return QString();
}

} // namespace

DnsFixtureServer::DnsFixtureServer(QObject *parent) : QObject(parent)
{
    m_responder = [](const QString &) { return Reply::NxDomain; };
    connect(&m_udp, &QUdpSocket::readyRead, this, &DnsFixtureServer::readUdp);
    connect(&m_tcp, &QTcpServer::newConnection, this, &DnsFixtureServer::acceptTcp);
}

bool DnsFixtureServer::listen()
{
    // A free UDP port may be taken for TCP: another one is tried then.
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (!m_udp.bind(QHostAddress::LocalHost, 0))
            return false;
        if (m_tcp.listen(QHostAddress::LocalHost, m_udp.localPort()))
            return true;
        m_udp.close();
    }
    return false;
}

QByteArray DnsFixtureServer::reply(const QByteArray &question, bool overTcp)
{
    qsizetype end = 0;
    const QString name = questionName(question, end);
    if (name.isEmpty())
        return QByteArray();
    m_questions.append(overTcp ? QStringLiteral("tcp:") + name : name);
    return build(question, end, m_responder(name), overTcp);
}

QByteArray DnsFixtureServer::replyFor(const QString &name, Reply kind)
{
    QByteArray question("\x12\x34\x01\x00\x00\x01\x00\x00\x00\x00\x00\x00", 12);
    for (const QString &label : name.split(QLatin1Char('.')))
        question += char(label.size()) + label.toLatin1();
    question += QByteArray("\x00\x00\x02\x00\x01", 5); // NS, IN
    return build(question, question.size(), kind, false);
}

QByteArray DnsFixtureServer::build(const QByteArray &question, qsizetype end, Reply kind, bool overTcp)
{
    if (kind == Reply::Silent)
        return QByteArray();
    if (kind == Reply::Junk)
        return question.left(2) + QByteArray("\x81\x80\xff\xff junk", 9);
    const bool truncate = kind == Reply::Truncated && !overTcp;
    if (kind == Reply::Truncated)
        kind = truncate ? Reply::NoData : Reply::Delegated;
    const bool failed = kind == Reply::ServFail || kind == Reply::ServFailWithNs;
    const int rcode = kind == Reply::NxDomain ? 3 : failed ? 2 : 0;
    QByteArray out = question.left(2);
    put16(out, 0x8180 | (truncate ? 0x0200 : 0) | rcode); // response, recursion desired and available
    put16(out, 1);
    const bool records = kind == Reply::Delegated || kind == Reply::NsAbove || kind == Reply::ServFailWithNs;
    put16(out, records ? 2 : 0);
    put16(out, 0);
    put16(out, 0);
    out.append(question.mid(12, end - 12));
    if (records) {
        // The question's name (a pointer to it), or its parent: the name without its first label.
        const int firstLabel = quint8(question.at(12));
        const QByteArray owner = kind != Reply::NsAbove ? QByteArray("\xc0\x0c", 2)
                                                        : question.mid(13 + firstLabel, end - 4 - 13 - firstLabel);
        for (const char *server : {"\x03ns1\x07"
                                   "example\x03net",
                                   "\x03ns2\x07"
                                   "example\x03net"}) {
            out.append(owner);
            put16(out, 2); // NS
            put16(out, 1); // IN
            put16(out, 0);
            put16(out, 3600);
            const QByteArray target = QByteArray(server) + '\0';
            put16(out, int(target.size()));
            out.append(target);
        }
    }
    return out;
}

void DnsFixtureServer::readUdp()
{
    while (m_udp.hasPendingDatagrams()) {
        QHostAddress from;
        quint16 fromPort = 0;
        QByteArray datagram(int(m_udp.pendingDatagramSize()), '\0');
        m_udp.readDatagram(datagram.data(), datagram.size(), &from, &fromPort);
        const QByteArray answer = reply(datagram, false);
        if (!answer.isEmpty())
            m_udp.writeDatagram(answer, from, fromPort);
    }
}

void DnsFixtureServer::acceptTcp()
{
    while (QTcpSocket *socket = m_tcp.nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer = QByteArray()]() mutable {
            // Each message has its length in two bytes in front.
            buffer += socket->readAll();
            while (buffer.size() >= 2) {
                const int length = (quint8(buffer.at(0)) << 8) | quint8(buffer.at(1));
                if (buffer.size() < 2 + length)
                    return;
                const QByteArray answer = reply(buffer.mid(2, length), true);
                buffer.remove(0, 2 + length);
                if (answer.isEmpty())
                    continue;
                QByteArray framed;
                put16(framed, int(answer.size()));
                socket->write(framed + answer);
            }
        });
    }
}

} // namespace testing
