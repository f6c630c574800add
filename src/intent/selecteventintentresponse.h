#pragma once

#include <QVariant>
#include <QtGlobal>
#include <optional>

// How handling a configuration went. Tallowick only configures with the intent and never
// answers one, but the codes keep the values other programs know them by.
enum class SelectEventIntentResponseCode : qint64 {
    Unspecified = 0,
    Ready = 1,
    ContinueInApp = 2,
    InProgress = 3,
    Success = 4,
    Failure = 5,
    FailureRequiringAppLaunch = 6,
};

// The code with raw value `rawValue`; nothing for any value outside 0 to 6.
std::optional<SelectEventIntentResponseCode> selectEventIntentResponseCode(qint64 rawValue);

class SelectEventIntentResponse
{
public:
    // A response with code Unspecified and no user activity.
    SelectEventIntentResponse() = default;
    // A response with `code`, carrying `userActivity` to whoever continues the work.
    SelectEventIntentResponse(SelectEventIntentResponseCode code, const QVariant &userActivity);

    SelectEventIntentResponseCode code() const { return m_code; }
    QVariant userActivity() const { return m_userActivity; }

private:
    SelectEventIntentResponseCode m_code = SelectEventIntentResponseCode::Unspecified;
    QVariant m_userActivity;
};
