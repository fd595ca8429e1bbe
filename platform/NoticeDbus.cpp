// Desktop transport of the notices: a freedesktop notification sent over the session bus.
#include "platform/Notice.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace notice {

namespace {
// Id of the last notice shown, so that a new one replaces it instead of piling up.
quint32 g_lastId = 0;
} // namespace

void sendDesktopNotification(const QString& text, const QColor& colour)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || text.isEmpty())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"), QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("Notify"));
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue<uchar>(0));
    hints.insert(QStringLiteral("x-mousecfg-colour"), colour.name());
    const QString appName = QCoreApplication::applicationName();
    call << appName << g_lastId << QStringLiteral("input-mouse") << text << QString() << QStringList() << hints
         << qint32(RECORD_DURATION_MS);
    // Asynchronous: a missing service only produces an error reply, which is ignored.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, [](QDBusPendingCallWatcher* w) {
        QDBusPendingReply<quint32> reply = *w;
        if (reply.isValid())
            g_lastId = reply.value();
        w->deleteLater();
    });
}

} // namespace notice
