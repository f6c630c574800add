#include "logcapture.h"

namespace {

QStringList capturedLines;

void captureMessage(QtMsgType, const QMessageLogContext &context, const QString &message)
{
    capturedLines.append(QString::fromLatin1(context.category) + QStringLiteral(": ") + message);
}

} // namespace

LogCapture::LogCapture()
    : m_previous(qInstallMessageHandler(captureMessage))
{
    capturedLines.clear();
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(m_previous);
}

const QStringList &LogCapture::lines() const
{
    return capturedLines;
}
