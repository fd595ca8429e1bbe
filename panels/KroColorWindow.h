// The lighting panel: effect, brightness, speed and colour of one profile, its sleep time and
// "MOVE TO LIGHT OFF". It edits that profile of currentConfig directly.
#pragma once

#include "panels/lightingEffects.h"
#include "store/MouseConfig.h"
#include "widgets/SettingsPage.h"

#include <QColor>
#include <QWidget>

class DefaultColorArea;
class KroColorArea;
class KroSlider;
class LightingPreview;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class SleepControls;

class KroColorWindow : public QWidget, public SettingsPage {
    Q_OBJECT
public:
    explicit KroColorWindow(QWidget* parent = nullptr, double scale = 1.0);

    // The profile to show and edit: the one whose lighting the mouse receives.
    void setProfile(ProfileData* profile);
    ProfileData* profile() const { return m_profile; }
    SleepControls* sleepControls() const { return m_sleep; }
    void loadRecord(const PageRecord& record) override;
    void retranslate() override;
    void setScale(double scale) override;

    // Shows the chosen lighting on this mouse picture while the page is visible.
    void showPreviewOn(QLabel* picture);
    LightingPreview* preview() const { return m_preview; }

    QMenu* effectMenu() const { return m_menu; }
    QAction* effectAction(int effect) const;

public slots:
    void slotSliderMouseChange();
    void slotSendLedState(const QColor& color);
    void slotApplyColor(const QColor& color);
    void color_clicked();
    void chooseEffect(int effect);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void rebuildEffectMenu();
    void applyVisibility(int effect);
    void refresh();
    void updatePreview();
    void brightnessChanged(int value);
    void speedChanged(int value);
    LedModeInfo* currentEffect() const;
    int profileIndex() const;
    void trace(const char* what, const QColor& colour) const;

    ProfileData* m_profile = nullptr;
    double m_scale = 1.0;
    QLabel* m_effectTitle;
    QPushButton* m_effectButton;
    QMenu* m_menu;
    QAction* m_actions[EFFECT_COUNT] = {};
    QLabel* m_brightTitle;
    KroSlider* m_brightSlider;
    QLabel* m_speedTitle;
    KroSlider* m_speedSlider;
    QLabel* m_colourTitle;
    DefaultColorArea* m_swatch;
    SleepControls* m_sleep;
    LightingPreview* m_preview = nullptr;
};
