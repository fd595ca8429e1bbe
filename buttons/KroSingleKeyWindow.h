// Dialog of the SINGLE KEY function: the last key touched becomes the button's key.
#pragma once

#include "buttons/KroKeyCaptureDialog.h"

class QLabel;

class KroSingleKeyWindow : public KroKeyCaptureDialog {
    Q_OBJECT
public:
    explicit KroSingleKeyWindow(QWidget* parent);

    void prefill(quint8 keyCode);
    quint8 key() const { return m_key; }
    void retranslate();

signals:
    void SetSingleKeyValue(quint8 keyCode);

protected:
    void keyCaptured(quint8 keyCode, int flags) override;

private:
    void showKey();

    QLabel* m_title;
    QLabel* m_hint;
    QLabel* m_keyLabel;
    quint8 m_key = 0;
};
