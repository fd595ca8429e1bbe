// Dialog of the SNIPER function: the DPI step the button switches to, shown in dots per inch.
#pragma once

#include "buttons/KroSkinDialog.h"

class QLabel;
class QSlider;

class KroSniperWindow : public KroSkinDialog {
    Q_OBJECT
public:
    // The slider's range follows the sensor model.
    KroSniperWindow(QWidget* parent, int sensorId);

    // A stored step outside the sensor's valid range opens at the sensor's fallback step.
    void prefill(quint8 storedStep);
    quint8 step() const;
    void retranslate();

signals:
    void SetSniperValue(quint8 step);

private slots:
    void onSliderChanged(int value);

private:
    QLabel* m_title;
    QSlider* m_slider;
    QLabel* m_dpiLabel;
    int m_sensorId;
};
