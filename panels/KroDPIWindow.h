// The DPI page: eight stage rows editing a working copy of the DPI stages the mouse receives, the
// active stage, and the lighting sleep controls.
#pragma once

#include "store/MouseConfig.h"
#include "widgets/SettingsPage.h"

#include <QWidget>

class KroSingleDPI;
class QButtonGroup;
class SleepControls;

class KroDPIWindow : public QWidget, public SettingsPage {
    Q_OBJECT
public:
    explicit KroDPIWindow(QWidget* parent = nullptr, double scale = 1.0);

    // Takes profile as the working copy and shows its stages and its active stage.
    void loadProfile(const ProfileData& profile, int sensor);
    // The profile whose sleep settings the page shows and edits in place.
    void setSleepProfile(ProfileData* profile);
    SleepControls* sleepControls() const { return m_sleep; }
    void setScale(double scale) override;
    // The mouse changed its stage: select it here too, so an apply keeps it.
    void setActiveStage(int index);
    void retranslate() override;
    // The stages the mouse holds, with the active profile's stage selected.
    void loadRecord(const PageRecord& record) override;
    void applyRecord(const PageRecord& record) override { applyTo(record.mouse, record.config.current().dpi); }

    // The working copy; the window takes dpi and the eight stages from it at apply.
    const ProfileData& profileData() const { return m_ProfileData; }
    // Writes what this page edits: the eight stages into stages, the active stage into activeStage.
    void applyTo(ProfileData& stages, quint8& activeStage) const;

    int sensor() const { return m_sensor; }
    int visibleRows() const { return m_visibleRows; }
    KroSingleDPI* row(int index) const;

public slots:
    void onSliderChanged(int x, int y, quint8 iStage);
    void onLinkChanged(quint8 link, quint8 iStage);
    void onEnableChanged(quint8 used, quint8 iStage);
    void onRadioChanged();
    void onStateChanged(int state);
    void slotSliderMouseChange();
    void slotStageClicked(quint8 iStage);

protected:
    void changeEvent(QEvent* event) override;

private:
    void highlightActive();
    void checkStageButton(int index);
    void layoutRows();

    ProfileData m_ProfileData;
    int m_sensor = 0;
    double m_scale = 1.0;
    int m_visibleRows = DPI_STAGE_COUNT;
    KroSingleDPI* m_rows[DPI_STAGE_COUNT] = {};
    QButtonGroup* m_stageGroup;
    SleepControls* m_sleep;
};
