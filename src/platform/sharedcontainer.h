#pragma once

#include <QString>

// The folder shared by the app and its widget, named after the app group:
// $XDG_DATA_HOME/group.Ostra.Ruru.contents/.
namespace SharedContainer {

inline constexpr char kGroupIdentifier[] = "group.Ostra.Ruru.contents";

// The container's path, without creating it.
QString path();

// The container's path, created on demand and reachable only by its user. Empty when it
// cannot be created.
QString ensure();

} // namespace SharedContainer
