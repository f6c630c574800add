#pragma once

// Where Tallowick's links point. The widget builds its tap links on the web domain; the app
// accepts links on that domain and its own scheme.
namespace AppLinks {

inline constexpr char kScheme[] = "tallowick";
inline constexpr char kWebDomain[] = "tallowick.page.link";

} // namespace AppLinks
