// The lighting sleep controls that the LIGHTING and the DPI page both show: "SLEEP TIME" with its
// slider and minutes, and "MOVE TO LIGHT OFF". They edit the sleep settings of one profile in place,
// so both pages always show the one value the mouse receives.
#pragma once

#include "store/MouseConfig.h"

#include <QObject>

class KroSlider;
class QCheckBox;
class QLabel;
class QWidget;

class SleepControls : public QObject {
    Q_OBJECT
public:
    // The widgets are children of page, which places them; texts are translated in page's context.
    explicit SleepControls(QWidget* page);

    // Shows and from now on edits the sleep settings of profile (null: shows nothing new).
    void setProfile(ProfileData* profile);
    ProfileData* profile() const { return m_profile; }
    // Shows the profile's values again, e.g. after the other page changed them.
    void refresh();
    void retranslate();

    QLabel* title() const { return m_title; }
    KroSlider* slider() const { return m_slider; }
    QLabel* valueLabel() const { return m_value; }
    QCheckBox* lightOffBox() const { return m_lightOff; }

signals:
    // The user changed the sleep time or the light-off switch.
    void changed();

private:
    void sliderMoved(int minutes);
    void lightOffClicked();
    void showMinutes(int minutes);
    QString translated(const char* text) const;

    const char* m_context;
    ProfileData* m_profile = nullptr;
    QLabel* m_title;
    KroSlider* m_slider;
    QLabel* m_value;
    QCheckBox* m_lightOff;
};
