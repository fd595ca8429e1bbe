// The desktop session bus, opened early on another thread: setting the connection up takes several
// milliseconds (socket, authentication, Hello), and the accessibility bridge would otherwise do it on
// the main thread when the first widget text is set, while the window is being built.
#pragma once

#include <future>

namespace sessionBus {

// Starts connecting; the result ends when the connection is made or has failed. Keep it until the
// application ends: its destructor waits for the thread.
std::future<void> connectInBackground();

} // namespace sessionBus
