#include "logcapture.h"

#include <platform/diagnostics.h>

namespace {

QStringList capturedLines;
// Captures alive; the diagnostics stay on until the last one ends.
int liveCaptures = 0;

void captureMessage(QtMsgType, const QMessageLogContext &context, const QString &message)
{
    capturedLines.append(QString::fromLatin1(context.category) + QStringLiteral(": ") + message);
}

} // namespace

LogCapture::LogCapture()
    : m_previous(qInstallMessageHandler(captureMessage))
{
    capturedLines.clear();
    if (liveCaptures++ == 0)
        Diagnostics::setVerbose(true);
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(m_previous);
    if (--liveCaptures == 0)
        Diagnostics::setVerbose(false);
}

const QStringList &LogCapture::lines() const
{
    return capturedLines;
}
