#include "calendarlog.h"

// Off unless asked for, like every other category but warnings.
Q_LOGGING_CATEGORY(lcCalendar, "tallowick.calendar", QtWarningMsg)
