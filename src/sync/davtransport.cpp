#include "davtransport.h"

#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <atomic>

namespace {

std::atomic<quint64> s_requests{0};

bool isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

int portOf(const QUrl &url)
{
    return url.port(url.scheme() == QLatin1String("https") ? 443 : 80);
}

// Same server, or the same host moving from http up to https.
bool mayFollow(const QUrl &from, const QUrl &to)
{
    if (DavTransport::sameServer(from, to))
        return true;
    return from.host().compare(to.host(), Qt::CaseInsensitive) == 0 && from.scheme() == QLatin1String("http") &&
           to.scheme() == QLatin1String("https");
}

// A value with a line break would end the header and start another: never sent.
bool sendable(const QByteArray &value)
{
    return !value.contains('\r') && !value.contains('\n') && !value.contains('\0');
}

QString hostOf(const QUrl &url)
{
    return url.toDisplayString(QUrl::RemoveUserInfo | QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment);
}

} // namespace

DavTransport::DavTransport(QString user, QString password, std::chrono::milliseconds timeout)
    : m_manager(std::make_unique<QNetworkAccessManager>())
    , m_authorization("Basic " + (user + QLatin1Char(':') + password).toUtf8().toBase64())
    , m_timeout(timeout)
{
}

DavTransport::~DavTransport() = default;

bool DavTransport::sameServer(const QUrl &a, const QUrl &b)
{
    return a.scheme() == b.scheme() && a.host().compare(b.host(), Qt::CaseInsensitive) == 0 && portOf(a) == portOf(b);
}

bool DavTransport::isLoopback(const QUrl &url)
{
    const QString host = url.host();
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

QString DavTransport::refusalFor(const QUrl &url)
{
    if (!url.isValid() || url.host().isEmpty())
        return QStringLiteral("not a server address: %1").arg(url.toDisplayString(QUrl::RemoveUserInfo));
    if (url.scheme() == QLatin1String("https"))
        return {};
    if (url.scheme() == QLatin1String("http") && isLoopback(url))
        return {};
    if (url.scheme() == QLatin1String("http"))
        return QStringLiteral("plain http to %1 would send the password readable; use https").arg(hostOf(url));
    return QStringLiteral("not an http or https address: %1").arg(url.toDisplayString(QUrl::RemoveUserInfo));
}

DavTransport::Reply DavTransport::send(const QByteArray &method, const QUrl &url, const QByteArray &body,
                                       const Headers &headers)
{
    QUrl target = url;
    // Only the credentials given to this object go out, never a user:password in an address.
    target.setUserInfo({});
    for (int hop = 0;; ++hop) {
        if (const QString refusal = refusalFor(target); !refusal.isEmpty()) {
            Reply refused;
            refused.url = target;
            refused.failure = refusal;
            return refused;
        }
        for (const auto &header : headers) {
            if (!sendable(header.second)) {
                Reply refused;
                refused.url = target;
                refused.failure = QStringLiteral("a %1 header with a line break was not sent")
                                      .arg(QString::fromLatin1(header.first));
                return refused;
            }
        }
        Reply reply = sendOnce(method, target, body, headers);
        if (!isRedirect(reply.status))
            return reply;
        const QUrl location = reply.url; // sendOnce() leaves a redirect's target there
        Reply failed;
        failed.url = target;
        if (location.isEmpty() || !location.isValid()) {
            failed.failure = QStringLiteral("%1 answered a redirect without a valid target").arg(hostOf(target));
            return failed;
        }
        if (!mayFollow(target, location)) {
            failed.failure = QStringLiteral("%1 redirected to another server (%2); not followed")
                                 .arg(hostOf(target), hostOf(location));
            return failed;
        }
        if (hop + 1 >= kMaxRedirects) {
            failed.failure = QStringLiteral("%1 redirected more than %2 times").arg(hostOf(url)).arg(kMaxRedirects);
            return failed;
        }
        target = location;
        target.setUserInfo({});
    }
}

DavTransport::Reply DavTransport::sendOnce(const QByteArray &method, const QUrl &url, const QByteArray &body,
                                           const Headers &headers)
{
    ++s_requests;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setAttribute(QNetworkRequest::AuthenticationReuseAttribute, QNetworkRequest::Manual);
    request.setRawHeader("Authorization", m_authorization);
    for (const auto &[name, value] : headers)
        request.setRawHeader(name, value);

    QNetworkReply *reply = m_manager->sendCustomRequest(request, method, body);
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    bool timedOut = false;
    bool tooLarge = false;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, [&] {
        if (reply->bytesAvailable() > kMaxBodyBytes) {
            tooLarge = true;
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    timer.start(m_timeout);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    Reply result;
    result.url = url;
    result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (timedOut || tooLarge) {
        result.status = 0;
        result.failure = timedOut ? QStringLiteral("%1 did not answer within %2 s")
                                        .arg(hostOf(url))
                                        .arg(std::chrono::duration_cast<std::chrono::seconds>(m_timeout).count())
                                  : QStringLiteral("%1 sent an answer too large to read").arg(hostOf(url));
    } else if (result.status == 0) {
        result.failure = QStringLiteral("%1: %2").arg(hostOf(url), reply->errorString());
    } else if (isRedirect(result.status)) {
        // The target travels in `url`: send() decides whether to follow it.
        const QByteArray location = reply->rawHeader("Location");
        result.url = location.isEmpty() ? QUrl() : url.resolved(QUrl(QString::fromUtf8(location)));
    } else {
        result.body = reply->readAll();
        result.etag = reply->rawHeader("ETag");
    }
    delete reply;
    return result;
}

quint64 DavTransport::requestCount()
{
    return s_requests.load();
}
