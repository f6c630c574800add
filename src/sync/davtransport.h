#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QUrl>

#include <chrono>
#include <memory>

class QNetworkAccessManager;

// One WebDAV request at a time, blocking the calling thread (a local event loop) until the
// answer, a network failure or the timeout. Whoever calls it (the command line, a worker
// thread) owns it in that thread.
//
// What it guards, so that no caller has to: a password goes out only over TLS or to this
// machine (Basic auth, RFC 7617, is plain text otherwise), and plain http to any other host is
// refused before a byte is sent. Redirects are followed by hand with the same method and body
// (Qt's own policy turns a PROPFIND into a GET), a few hops, only to the same host or from
// http to https on it, so credentials never reach a host the person did not name.
class DavTransport
{
public:
    struct Reply
    {
        int status = 0; // the HTTP status; 0 when no answer came (see failure)
        QByteArray body;
        QByteArray etag; // the ETag header exactly as sent, empty when none
        QUrl url;        // where the answer came from, after any redirect
        QString failure; // one line when status is 0
    };
    using Headers = QList<QPair<QByteArray, QByteArray>>;

    DavTransport(QString user, QString password, std::chrono::milliseconds timeout = std::chrono::seconds(30));
    ~DavTransport();
    DavTransport(const DavTransport &) = delete;
    DavTransport &operator=(const DavTransport &) = delete;

    Reply send(const QByteArray &method, const QUrl &url, const QByteArray &body = {}, const Headers &headers = {});

    // Why a request to `url` is not sent at all; empty when it may be.
    static QString refusalFor(const QUrl &url);
    static bool isLoopback(const QUrl &url);
    // The same scheme, host and port: where the same credentials may go.
    static bool sameServer(const QUrl &a, const QUrl &b);

    // How many requests this process has sent so far (redirect hops included), for checking
    // how much a sync asks of the server.
    static quint64 requestCount();

    static constexpr int kMaxRedirects = 5;
    // More than any calendar collection this client reads should answer; a server that goes
    // on is cut off rather than allowed to fill memory.
    static constexpr qint64 kMaxBodyBytes = 32 * 1024 * 1024;

private:
    Reply sendOnce(const QByteArray &method, const QUrl &url, const QByteArray &body, const Headers &headers);

    std::unique_ptr<QNetworkAccessManager> m_manager;
    QByteArray m_authorization;
    std::chrono::milliseconds m_timeout;
};
