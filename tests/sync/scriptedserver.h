#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QTcpServer>
#include <QTcpSocket>

// A loopback stand-in server that answers each request with the next scripted answer and
// records what it was sent.
class ScriptedServer
{
public:
    explicit ScriptedServer(QList<QByteArray> script, const QHostAddress &address = QHostAddress::LocalHost)
        : answers(std::move(script))
    {
        m_server.listen(address, 0);
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                ++connections;
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    QByteArray &buffer = m_buffers[socket];
                    buffer += socket->readAll();
                    const qsizetype end = buffer.indexOf("\r\n\r\n");
                    if (end < 0)
                        return;
                    const QByteArray head = buffer.left(end);
                    qsizetype length = 0;
                    for (const QByteArray &line : head.split('\n'))
                        if (line.toLower().startsWith("content-length:"))
                            length = line.mid(15).trimmed().toLongLong();
                    if (buffer.size() < end + 4 + length)
                        return;
                    requests.append(buffer.left(end + 4 + length));
                    buffer.remove(0, end + 4 + length);
                    socket->write(answers.isEmpty() ? QByteArray("HTTP/1.1 500 x\r\nContent-Length: 0\r\n\r\n")
                                                    : answers.takeFirst());
                });
            }
        });
    }
    quint16 port() const { return m_server.serverPort(); }

    QList<QByteArray> answers;
    int connections = 0;
    QList<QByteArray> requests;

private:
    QTcpServer m_server;
    QHash<QTcpSocket *, QByteArray> m_buffers;
};

