// Dialog of the COMBO KEY function: modifiers plus one key, stored as nested press/release events.
#pragma once

#include "buttons/ComboKeyState.h"
#include "buttons/KroKeyCaptureDialog.h"

class QLabel;

class KroComboKeyWindow : public KroKeyCaptureDialog {
    Q_OBJECT
public:
    explicit KroComboKeyWindow(QWidget* parent);

    void prefill(const ButtonInfo& button);
    const ComboKeyState& combination() const { return m_state; }
    QString text() const { return m_state.text(); }
    void retranslate();

signals:
    void SetComboKeyValue(const QString& text);

protected:
    void keyCaptured(quint8 keyCode, int flags) override;

private:
    QLabel* m_title;
    QLabel* m_hint;
    QLabel* m_comboLabel;
    ComboKeyState m_state;
};
