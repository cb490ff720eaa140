// How long a test waits for the window system (a virtual X server with a window
// manager) to show or activate a window. A loaded machine, or a build with
// sanitizers, takes seconds where an idle one takes milliseconds; the wait ends
// as soon as the window is there, so a generous bound costs nothing.
#pragma once

namespace corvald::fakes {

inline constexpr int kWindowSystemWaitMilliseconds = 30000;

} // namespace corvald::fakes
