// Sleep time and "MOVE TO LIGHT OFF" of the profile the mouse takes them from.
#include "panels/SleepControls.h"

#include "panels/KroSlider.h"
#include "store/deviceDescription.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QSignalBlocker>

SleepControls::SleepControls(QWidget* page)
    : QObject(page)
    , m_context(page->metaObject()->className())
    , m_title(new QLabel(page))
    , m_slider(new KroSlider(page))
    , m_value(new QLabel(page))
    , m_lightOff(new QCheckBox(page))
{
    m_title->setObjectName("sleepTitleLabel");
    m_slider->setObjectName("sleepSlider");
    m_value->setObjectName("sleepValueLabel");
    m_lightOff->setObjectName("lightOffBox");
    int sleepMin = 1, sleepMax = 9;
    sleepRange(sleepMin, sleepMax);
    sleepMin = qBound(0, sleepMin, 255);
    m_slider->setRange(sleepMin, qBound(sleepMin, sleepMax, 255));
    connect(m_slider, &QSlider::valueChanged, this, &SleepControls::sliderMoved);
    connect(m_lightOff, &QCheckBox::clicked, this, &SleepControls::lightOffClicked);
}

void SleepControls::setProfile(ProfileData* profile)
{
    m_profile = profile;
    refresh();
}

void SleepControls::refresh()
{
    if (!m_profile)
        return;
    {
        const QSignalBlocker block(m_slider);
        m_slider->setValue(m_profile->LedSleepTime);
    }
    showMinutes(m_slider->value());
    m_lightOff->setChecked(m_profile->LedMoveOFF == 0);
}

// The slider keeps the value within the description's bounds; that bounded value is stored.
void SleepControls::sliderMoved(int minutes)
{
    showMinutes(minutes);
    if (!m_profile)
        return;
    m_profile->LedSleepTime = quint8(qBound(0, minutes, 255));
    emit changed();
}

void SleepControls::lightOffClicked()
{
    if (!m_profile)
        return;
    m_profile->LedMoveOFF = m_lightOff->isChecked() ? 0 : 0xFF;
    emit changed();
}

void SleepControls::showMinutes(int minutes)
{
    m_value->setText(QString::number(minutes) + translated(" MINUTE"));
}

QString SleepControls::translated(const char* text) const
{
    return QCoreApplication::translate(m_context, text);
}

void SleepControls::retranslate()
{
    m_title->setText(translated("SLEEP TIME"));
    m_lightOff->setText(translated("MOVE TO LIGHT OFF"));
    showMinutes(m_slider->value());
}
