#pragma once

// Where Tallowick's links point. The widget builds its tap links on the web domain; the app
// accepts links on that domain and its own scheme.
namespace AppLinks {

inline constexpr char kScheme[] = "tallowick";
// The app's id on the desktop: its desktop entry's name, its icon's, its notifications'.
inline constexpr char kAppId[] = "org.tallowick.Tallowick";
inline constexpr char kWebDomain[] = "tallowick.page.link";

} // namespace AppLinks
