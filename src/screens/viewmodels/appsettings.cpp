#include "appsettings.h"

#include <platform/settingsstore.h>
#include <store/userdata.h>

bool AppSettings::reviewed() const
{
    return SettingsStore().boolValue(UserData::kReviewKey);
}

void AppSettings::markReviewed()
{
    SettingsStore().setValue(UserData::kReviewKey, true);
    Q_EMIT reviewedChanged();
}
