#include "selecteventintentresponse.h"

std::optional<SelectEventIntentResponseCode> selectEventIntentResponseCode(qint64 rawValue)
{
    if (rawValue < 0 || rawValue > qint64(SelectEventIntentResponseCode::FailureRequiringAppLaunch))
        return std::nullopt;
    return static_cast<SelectEventIntentResponseCode>(rawValue);
}

SelectEventIntentResponse::SelectEventIntentResponse(SelectEventIntentResponseCode code, const QVariant &userActivity)
    : m_code(code)
    , m_userActivity(userActivity)
{
}
