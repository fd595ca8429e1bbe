#include "platform/SessionBus.h"

#include <QDBusConnection>

namespace sessionBus {

std::future<void> connectInBackground()
{
    return std::async(std::launch::async, [] { QDBusConnection::sessionBus(); });
}

} // namespace sessionBus
