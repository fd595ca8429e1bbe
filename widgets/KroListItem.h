// One row of an event list (gun set lists): a label, and for delay rows an inline editor of the
// delay in milliseconds stored as a 16-bit count of 10 ms units.
#pragma once

#include <QWidget>

class KroLabel;
class KroLineEdit;

class KroListItem : public QWidget {
    Q_OBJECT
public:
    static constexpr quint8 DelayType = 6;

    explicit KroListItem(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const { return m_text; }

    void setItem(quint8 type, quint8 high, quint8 low);
    quint8 type() const { return m_type; }
    quint8 high() const { return m_high; }
    quint8 low() const { return m_low; }
    // Delay in milliseconds of a delay row.
    int delayMs() const { return (m_high * 256 + m_low) * 10; }

    KroLineEdit* editor() const { return m_editor; }
    KroLabel* label() const { return m_label; }

    // Clamps an entered delay to 10..65530 ms in steps of 10.
    static int clampDelay(int ms);

public slots:
    void editPressSlot();
    void lostFocusSlot();

signals:
    void delayChangedSignal(int ms);

private:
    KroLabel* m_label;
    KroLineEdit* m_editor;
    QString m_text;
    quint8 m_type = 0;
    quint8 m_high = 0;
    quint8 m_low = 0;
};
