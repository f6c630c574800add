#pragma once

#include <QString>

class UserData;

// Hands an incoming link to the store as a scene does: a link with exactly one query item
// selects a page (a widget's tap), one with two or more adds a shared event. Links that are not
// valid URLs, or carry no query items, do nothing. Returns whether the link was acted on.
bool dispatchLink(UserData &store, const QString &link);
