// Keyboard capture: key events of the application's windows as scan code set 1 codes with flags.
#pragma once

#include <QObject>
#include <QtGlobal>

class QKeyEvent;

// Flags that come with a captured key, as a low-level keyboard hook reports them.
enum KeyCaptureFlags : quint8 {
    KEY_FLAG_EXTENDED = 0x01, // E0-prefixed key (right Ctrl/Alt, keypad Enter and /, arrows, Num Lock, ...)
    KEY_FLAG_ALT = 0x20, // Alt held
    KEY_FLAG_UP = 0x80, // key released
};

// Installs an application-wide event filter while active and emits every key press and release
// that reaches one of the application's windows. Keys are passed on, never swallowed.
class KeyboardCapture : public QObject {
    Q_OBJECT
public:
    explicit KeyboardCapture(QObject* parent = nullptr);
    ~KeyboardCapture() override;

    void start();
    void stop();
    bool isActive() const { return m_active; }

    // Scan code and flags of a key event; false for keys that have no set 1 code.
    static bool translate(const QKeyEvent& event, quint8& scanCode, quint8& flags);
    // Platform key number (QKeyEvent::nativeScanCode) to set 1 code and extended flag.
    static bool nativeToSet1(quint32 nativeCode, quint8& scanCode, bool& extended);

signals:
    void KeySignal(int scanCode, int flags);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_active = false;
};
