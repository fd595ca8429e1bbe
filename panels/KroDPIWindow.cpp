// The DPI page: rows, the active stage and the sleep controls.
#include "panels/KroDPIWindow.h"

#include "panels/KroSingleDPI.h"
#include "panels/KroSlider.h"
#include "panels/SleepControls.h"
#include "panels/panelStyle.h"
#include "store/deviceDescription.h"
#include "store/sensors.h"
#include "store/settings.h"
#include "store/typedDpi.h"
#include "widgets/skinStyle.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDebug>
#include <QEvent>
#include <QLabel>

KroDPIWindow::KroDPIWindow(QWidget* parent, double scale)
    : QWidget(parent)
    , m_scale(scale)
    , m_stageGroup(new QButtonGroup(this))
    , m_sleep(new SleepControls(this))
{
    setObjectName("dpiWindow");
    m_stageGroup->setExclusive(true);
    for (int i = 0; i < DPI_STAGE_COUNT; ++i) {
        auto* row = new KroSingleDPI(quint8(i), this, scale);
        m_rows[i] = row;
        m_stageGroup->addButton(row->stageButton(), i);
        connect(row, &KroSingleDPI::DPISignal, this, &KroDPIWindow::onSliderChanged);
        connect(row, &KroSingleDPI::LinkSignal, this, &KroDPIWindow::onLinkChanged);
        connect(row, &KroSingleDPI::EnableSignal, this, &KroDPIWindow::onEnableChanged);
        connect(row, &KroSingleDPI::MouseinSignal, this, &KroDPIWindow::slotStageClicked);
    }
    connect(m_stageGroup, &QButtonGroup::idClicked, this, &KroDPIWindow::onRadioChanged);

    connect(m_sleep->slider(), &KroSlider::MouseChange, this, &KroDPIWindow::slotSliderMouseChange);

    setScale(scale);
    retranslate();
}

KroSingleDPI* KroDPIWindow::row(int index) const
{
    return index >= 0 && index < DPI_STAGE_COUNT ? m_rows[index] : nullptr;
}

void KroDPIWindow::loadRecord(const PageRecord& record)
{
    ProfileData shown = record.mouse;
    shown.dpi = record.config.current().dpi;
    setSleepProfile(&record.mouse);
    loadProfile(shown, sensorModel());
}

void KroDPIWindow::loadProfile(const ProfileData& profile, int sensor)
{
    m_sensor = sensor;
    DpiRange range;
    const bool known = dpiRangeFor(sensor, currentProductName(), sensor33254() == 1, range);
    m_ProfileData = profile;
    for (int i = 0; i < DPI_STAGE_COUNT; ++i) {
        const DpiStage& stage = m_ProfileData.stages[i];
        KroSingleDPI* row = m_rows[i];
        row->setSensor(sensor);
        if (known)
            row->setRange(range);
        row->setLink(stage.link);
        row->setValues(int(stage.x), int(stage.y));
        row->setUsed(stage.used);
    }
    checkStageButton(m_ProfileData.dpi);
    highlightActive();
    m_sleep->refresh();
    layoutRows();
}

void KroDPIWindow::setSleepProfile(ProfileData* profile)
{
    m_sleep->setProfile(profile);
}

void KroDPIWindow::applyTo(ProfileData& stages, quint8& activeStage) const
{
    for (int i = 0; i < DPI_STAGE_COUNT; ++i)
        stages.stages[i] = m_ProfileData.stages[i];
    activeStage = m_ProfileData.dpi;
}

void KroDPIWindow::setActiveStage(int index)
{
    if (index < 0 || index >= DPI_STAGE_COUNT)
        return;
    m_ProfileData.dpi = quint8(index);
    checkStageButton(index);
    highlightActive();
}

void KroDPIWindow::checkStageButton(int index)
{
    if (index >= 0 && index < DPI_STAGE_COUNT) {
        m_rows[index]->stageButton()->setChecked(true);
        return;
    }
    // An active stage outside the rows: no button is checked.
    m_stageGroup->setExclusive(false);
    for (KroSingleDPI* row : m_rows)
        row->stageButton()->setChecked(false);
    m_stageGroup->setExclusive(true);
}

void KroDPIWindow::highlightActive()
{
    for (int i = 0; i < DPI_STAGE_COUNT; ++i)
        m_rows[i]->setActive(i == m_ProfileData.dpi);
}

void KroDPIWindow::onSliderChanged(int x, int y, quint8 iStage)
{
    if (iStage >= DPI_STAGE_COUNT)
        return;
    setStageValues(m_ProfileData.stages[iStage], quint32(qMax(0, x)), quint32(qMax(0, y)));
}

void KroDPIWindow::onLinkChanged(quint8 link, quint8 iStage)
{
    if (iStage < DPI_STAGE_COUNT)
        m_ProfileData.stages[iStage].link = link;
}

void KroDPIWindow::onEnableChanged(quint8 used, quint8 iStage)
{
    if (iStage < DPI_STAGE_COUNT)
        m_ProfileData.stages[iStage].used = used;
}

void KroDPIWindow::onRadioChanged()
{
    const int id = m_stageGroup->checkedId();
    if (id < 0)
        return;
    m_ProfileData.dpi = quint8(id);
    qDebug("m_ProfileData.dpi = %d", m_ProfileData.dpi);
    highlightActive();
}

void KroDPIWindow::slotStageClicked(quint8 iStage)
{
    if (iStage >= DPI_STAGE_COUNT)
        return;
    m_rows[iStage]->stageButton()->setChecked(true);
    onRadioChanged();
}

void KroDPIWindow::onStateChanged(int state)
{
    Q_UNUSED(state)
}

void KroDPIWindow::slotSliderMouseChange() { }

void KroDPIWindow::retranslate()
{
    m_sleep->retranslate();
}

void KroDPIWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void KroDPIWindow::setScale(double scale)
{
    m_scale = scale;
    setStyleSheet(panelStyleSheet(scale, skinAccent()));
    const QFont font = panelFont(scale);
    for (QWidget* w : { static_cast<QWidget*>(m_sleep->title()), static_cast<QWidget*>(m_sleep->valueLabel()),
             static_cast<QWidget*>(m_sleep->lightOffBox()), static_cast<QWidget*>(m_sleep->slider()) })
        w->setFont(font);
    m_sleep->slider()->setStyleSheet(sliderStyleSheet(scale, skinAccent()));
    placeScaled(m_sleep->title(), 15, 12, 80, 20, scale);
    placeScaled(m_sleep->slider(), 98, 12, 128, 20, scale);
    placeScaled(m_sleep->valueLabel(), 232, 12, 70, 20, scale);
    for (KroSingleDPI* row : m_rows)
        row->setScale(scale);
    skinIndicators(this, scale);
    layoutRows();
}

void KroDPIWindow::layoutRows()
{
    m_visibleRows = usableDpiStageCount();
    for (int i = 0; i < DPI_STAGE_COUNT; ++i) {
        KroSingleDPI* row = m_rows[i];
        if (i < m_visibleRows) {
            row->setGeometry(scaledRect(15, i * 50 + 43, 440, 48, m_scale));
            row->show();
        } else {
            // Hidden rows keep their stage data; it is still sent with the others.
            row->setGeometry(QRect());
            row->hide();
        }
    }
    QCheckBox* lightOff = m_sleep->lightOffBox();
    if (showSleep() != 0) {
        placeScaled(lightOff, 300, 12, 156, 20, m_scale);
        lightOff->show();
    } else {
        lightOff->setGeometry(QRect());
        lightOff->hide();
    }
}
