// Dialog of the FIRE KEY function: what is fired (a mouse button or a key), how often and how fast.
#pragma once

#include "buttons/KroKeyCaptureDialog.h"

struct ButtonInfo;
class QCheckBox;
class QLabel;
class QLineEdit;

class KroFireKeyWindow : public KroKeyCaptureDialog {
    Q_OBJECT
public:
    explicit KroFireKeyWindow(QWidget* parent);

    // Mode and key from the stored target; Times 0 shows 3 and Delay 0 shows 10.
    void prefill(const ButtonInfo& button);
    int mode() const { return m_mode; }
    quint8 key() const { return m_key; }
    int times() const;
    int delay() const;
    // Res1, LoopNumber, KeyNumber and Fun as accepted.
    void writeTo(ButtonInfo& button) const;
    void retranslate();

signals:
    void SetFireKeyValue(quint8 keyCode, int mode, int times, int delay);

public slots:
    void onStateChanged(int state);
    void OnEditDataChanged();
    void checkbtn_clicked();
    void onEditReturn();

protected:
    void keyCaptured(quint8 keyCode, int flags) override;
    bool capturing() const override;
    void onYes() override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void setMode(int mode);
    void emitValue();

    QLabel* m_title;
    QCheckBox* m_modes[4];
    QLabel* m_keyLabel;
    QLabel* m_timesCaption;
    QLabel* m_delayCaption;
    QLineEdit* m_times;
    QLineEdit* m_delay;
    int m_mode = 0;
    quint8 m_key = 0;
};
