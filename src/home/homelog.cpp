#include "homelog.h"

Q_LOGGING_CATEGORY(lcHome, "tallowick.home", QtWarningMsg)
