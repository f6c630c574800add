#pragma once

#include <QString>

class UserData;

// Hands an incoming link to the app's store: a widget's link (one query item, or a page and an
// event id) selects a page, one with more items offers a shared event. Links that are not
// valid URLs, or carry no query items, do nothing. Returns whether the link was acted on.
bool dispatchLink(UserData &store, const QString &link);
