// The DPI page: eight stage rows editing a working copy of the active profile, and the lighting
// sleep controls.
#pragma once

#include "store/MouseConfig.h"

#include <QWidget>

class KroSingleDPI;
class KroSlider;
class QButtonGroup;
class QCheckBox;
class QLabel;

class KroDPIWindow : public QWidget {
    Q_OBJECT
public:
    explicit KroDPIWindow(QWidget* parent = nullptr, double scale = 1.0);

    // Takes the active profile of currentConfig as the working copy and shows it.
    void loadProfile(const ProfileData& profile, int sensor);
    void setScale(double scale);
    // The mouse changed its stage: select it here too, so an apply keeps it.
    void setActiveStage(int index);
    void retranslate();

    // The working copy; the window takes dpi and the eight stages from it at apply.
    const ProfileData& profileData() const { return m_ProfileData; }
    // Writes what this page edits into the configuration: dpi and stages into the active profile,
    // and a changed "MOVE TO LIGHT OFF" into the first profile, whose value the mouse receives.
    void applyTo(MouseConfig& config);

    int sensor() const { return m_sensor; }
    int visibleRows() const { return m_visibleRows; }
    KroSingleDPI* row(int index) const;

public slots:
    void onSliderChanged(int x, int y, quint8 iStage);
    void onLinkChanged(quint8 link, quint8 iStage);
    void onEnableChanged(quint8 used, quint8 iStage);
    void onRadioChanged();
    void onStateChanged(int state);
    void checkbtn_clicked();
    void slider_clicked(int iValue);
    void slotSliderMouseChange();
    void slotStageClicked(quint8 iStage);

protected:
    void changeEvent(QEvent* event) override;

private:
    void highlightActive();
    void checkStageButton(int index);
    void setSleepLabel(int minutes);
    void layoutRows();

    ProfileData m_ProfileData;
    int m_sensor = 0;
    double m_scale = 1.0;
    int m_visibleRows = DPI_STAGE_COUNT;
    KroSingleDPI* m_rows[DPI_STAGE_COUNT] = {};
    QButtonGroup* m_stageGroup;
    QLabel* m_sleepTitle;
    KroSlider* m_sleepSlider;
    QLabel* m_sleepLabel;
    QCheckBox* m_lightOffBox;
    quint8 m_lightOff = 0;
    bool m_lightOffEdited = false;
};
