// Skinned dialog that captures keys from the keyboard while it is open.
#pragma once

#include "buttons/KroSkinDialog.h"

class KeyboardCapture;
class QLabel;

class KroKeyCaptureDialog : public KroSkinDialog {
    Q_OBJECT
public:
    explicit KroKeyCaptureDialog(QWidget* parent);
    ~KroKeyCaptureDialog() override;

public slots:
    // One key event as set-1 scan code and flags (bit 0 extended, bit 5 Alt held, bit 7 key up).
    void onKeyEvent(int scanCode, int flags);

protected:
    // A normalised key event that is not a repeat of the previous one.
    virtual void keyCaptured(quint8 keyCode, int flags) = 0;
    // Keys reach the dialog only while this is true.
    virtual bool capturing() const { return true; }
    void resetRepeatFilter();
    // Title, a hint line and the boxed display of what was captured, as the single and combo
    // dialogs show them.
    void buildCaptureLayout(QLabel*& title, QLabel*& hint, QLabel*& display, const QString& displayName, int displayX);
    bool event(QEvent* event) override;

private:
    KeyboardCapture* m_capture;
    int m_lastCode = -1;
    int m_lastFlags = -1;
};
