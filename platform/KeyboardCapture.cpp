// Keyboard capture: the application-wide key filter shared by every platform.
#include "platform/KeyboardCapture.h"

#include <QCoreApplication>
#include <QKeyEvent>

KeyboardCapture::KeyboardCapture(QObject* parent)
    : QObject(parent)
{
}

KeyboardCapture::~KeyboardCapture()
{
    stop();
}

void KeyboardCapture::start()
{
    if (m_active || !QCoreApplication::instance())
        return;
    QCoreApplication::instance()->installEventFilter(this);
    m_active = true;
}

void KeyboardCapture::stop()
{
    if (!m_active)
        return;
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
    m_active = false;
}

bool KeyboardCapture::translate(const QKeyEvent& event, quint8& scanCode, quint8& flags)
{
    bool extended = false;
    if (!nativeToSet1(event.nativeScanCode(), scanCode, extended))
        return false;
    const bool up = event.type() == QEvent::KeyRelease;
    flags = quint8((extended ? KEY_FLAG_EXTENDED : 0) | (up ? KEY_FLAG_UP : 0)
        | ((event.modifiers() & Qt::AltModifier) ? KEY_FLAG_ALT : 0));
    return true;
}

bool KeyboardCapture::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    // A key event reaches the window first and is then passed to its widgets; taking it at the
    // window reports it once.
    if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || !watched->isWindowType())
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    // A held key repeats as press/release pairs here; a hook sees repeated presses only.
    if (key->isAutoRepeat() && type == QEvent::KeyRelease)
        return false;
    quint8 scanCode = 0;
    quint8 flags = 0;
    if (translate(*key, scanCode, flags))
        emit KeySignal(scanCode, flags);
    return false;
}
