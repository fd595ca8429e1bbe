// The "Mouse Setting" panel: sensor switches kept for all profiles, and the wheel's scroll lines.
#pragma once

#include "store/MouseConfig.h"
#include "widgets/SettingsPage.h"

#include <QWidget>

class KroSlider;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;

class KroPointSpeed : public QWidget, public SettingsPage {
    Q_OBJECT
public:
    explicit KroPointSpeed(QWidget* parent = nullptr, double scale = 1.0);

    // profile: the active profile of currentConfig; its scroll lines are edited in place.
    void loadSettings(ProfileData* profile, quint8 Sync, quint8 LiftHigh, quint8 AngleValue, quint8 Jitter,
        quint8 Debounce, quint8 Wake, quint8 SensorMode);
    void setScale(double scale) override;
    // Which arrangement: the description's SyncMode; 0 hides the switches the mouse does not take.
    void setSyncMode(int mode);
    void retranslate() override;
    // The active profile and the sensor settings of the record.
    void loadRecord(const PageRecord& record) override;
    void applyRecord(const PageRecord& record) override { applyTo(record.config); }

    quint8 sync() const { return m_sync; }
    quint8 lift() const { return m_lift; }
    quint8 angle() const { return m_angle; }
    quint8 jitter() const { return m_jitter; }
    quint8 keyResponse() const { return m_keyResponse; }
    quint8 wake() const { return m_wake; }
    quint8 sensorMode() const { return m_sensorMode; }
    // Writes the sensor settings into config. The lift-off distance is written only when it was
    // changed here, so a change made on the report-rate panel is not undone.
    void applyTo(MouseConfig& config);

    // Replaces the action of the desktop-settings button (tests).
    static void setSettingsOpenerForTest(bool (*opener)());

signals:
    void RefreshLift(quint8 iLift);

public slots:
    void sValueChangedSlot(int s);
    void checkbtn_clicked();
    void btn_clicked();
    void slider_clicked(int value);
    // Shows a lift-off value changed elsewhere, without reporting it again.
    void setLift(quint8 lift);

protected:
    void changeEvent(QEvent* event) override;

private:
    QCheckBox* makeBox(const char* name);
    QPushButton* makeChoice(const char* name, QButtonGroup* group, int id);
    void showSensorMode(quint8 mode);
    void layoutWidgets();

    ProfileData* m_profile = nullptr;
    quint8 m_sync = 0;
    quint8 m_lift = 2;
    quint8 m_angle = 1;
    quint8 m_jitter = 1;
    quint8 m_keyResponse = 1;
    quint8 m_wake = 1;
    quint8 m_sensorMode = 1;
    bool m_liftEdited = false;
    int m_syncMode = 0;
    double m_scale = 1.0;

    QLabel* m_title;
    QLabel* m_keyTitle;
    KroSlider* m_keySlider;
    QLabel* m_keyValue;
    QCheckBox* m_syncBox;
    QLabel* m_liftTitle;
    QButtonGroup* m_liftGroup;
    QPushButton* m_lift1;
    QPushButton* m_lift2;
    QCheckBox* m_angleBox;
    QCheckBox* m_jitterBox;
    QCheckBox* m_wakeBox;
    QLabel* m_modeTitle;
    QButtonGroup* m_modeGroup;
    QPushButton* m_modeButtons[3];
    QLabel* m_scrollTitle;
    QSpinBox* m_scrollBox;
    QPushButton* m_settingsButton;
};
