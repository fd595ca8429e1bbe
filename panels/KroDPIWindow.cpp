// The DPI page: rows, the active stage and the sleep controls.
#include "panels/KroDPIWindow.h"

#include "app/widgets/skinStyle.h"
#include "panels/KroSingleDPI.h"
#include "panels/KroSlider.h"
#include "panels/dpiRanges.h"
#include "panels/panelStyle.h"
#include "store/deviceDescription.h"
#include "store/settings.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDebug>
#include <QEvent>
#include <QLabel>
#include <QSignalBlocker>

KroDPIWindow::KroDPIWindow(QWidget* parent, double scale)
    : QWidget(parent)
    , m_scale(scale)
    , m_stageGroup(new QButtonGroup(this))
    , m_sleepTitle(new QLabel(this))
    , m_sleepSlider(new KroSlider(this))
    , m_sleepLabel(new QLabel(this))
    , m_lightOffBox(new QCheckBox(this))
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

    m_sleepTitle->setObjectName("sleepTitleLabel");
    m_sleepSlider->setObjectName("sleepSlider");
    m_sleepLabel->setObjectName("sleepValueLabel");
    m_lightOffBox->setObjectName("lightOffBox");
    int sleepMin = 1, sleepMax = 9;
    sleepRange(sleepMin, sleepMax);
    sleepMin = qBound(0, sleepMin, 255);
    m_sleepSlider->setRange(sleepMin, qBound(sleepMin, sleepMax, 255));
    connect(m_sleepSlider, &QSlider::valueChanged, this, &KroDPIWindow::slider_clicked);
    connect(m_sleepSlider, &KroSlider::MouseChange, this, &KroDPIWindow::slotSliderMouseChange);
    connect(m_lightOffBox, &QCheckBox::clicked, this, &KroDPIWindow::checkbtn_clicked);

    setScale(scale);
    retranslate();
}

KroSingleDPI* KroDPIWindow::row(int index) const
{
    return index >= 0 && index < DPI_STAGE_COUNT ? m_rows[index] : nullptr;
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

    // The mouse takes its sleep settings from the first profile: show and edit those.
    const ProfileData& first = currentConfig.profiles[0];
    {
        const QSignalBlocker block(m_sleepSlider);
        m_sleepSlider->setValue(first.LedSleepTime);
    }
    setSleepLabel(m_sleepSlider->value());
    m_lightOff = first.LedMoveOFF;
    m_lightOffEdited = false;
    m_lightOffBox->setChecked(m_lightOff == 0);
    layoutRows();
}

void KroDPIWindow::applyTo(MouseConfig& config)
{
    ProfileData& target = config.current();
    target.dpi = m_ProfileData.dpi;
    for (int i = 0; i < DPI_STAGE_COUNT; ++i)
        target.stages[i] = m_ProfileData.stages[i];
    // Only an edit made here is written, so a change made on the lighting page is not undone.
    if (m_lightOffEdited) {
        config.profiles[0].LedMoveOFF = m_lightOff;
        m_lightOffEdited = false;
    }
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
    DpiStage& stage = m_ProfileData.stages[iStage];
    stage.x = quint32(qMax(0, x));
    stage.y = quint32(qMax(0, y));
    if (stage.link)
        stage.xy = stage.x;
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

void KroDPIWindow::checkbtn_clicked()
{
    m_lightOff = m_lightOffBox->isChecked() ? 0 : 0xFF;
    m_lightOffEdited = true;
}

void KroDPIWindow::slider_clicked(int iValue)
{
    currentConfig.profiles[0].LedSleepTime = quint8(qBound(0, iValue, 255));
    setSleepLabel(iValue);
}

void KroDPIWindow::slotSliderMouseChange() { }

void KroDPIWindow::setSleepLabel(int minutes)
{
    m_sleepLabel->setText(QString::number(minutes) + tr(" MINUTE"));
}

void KroDPIWindow::retranslate()
{
    m_sleepTitle->setText(tr("SLEEP TIME"));
    m_lightOffBox->setText(tr("MOVE TO LIGHT OFF"));
    setSleepLabel(m_sleepSlider->value());
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
    for (QWidget* w : { static_cast<QWidget*>(m_sleepTitle), static_cast<QWidget*>(m_sleepLabel),
             static_cast<QWidget*>(m_lightOffBox), static_cast<QWidget*>(m_sleepSlider) })
        w->setFont(font);
    m_sleepSlider->setStyleSheet(sliderStyleSheet(scale, skinAccent()));
    placeScaled(m_sleepTitle, 15, 12, 80, 20, scale);
    placeScaled(m_sleepSlider, 98, 12, 128, 20, scale);
    placeScaled(m_sleepLabel, 232, 12, 70, 20, scale);
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
    if (showSleep() != 0) {
        placeScaled(m_lightOffBox, 300, 12, 156, 20, m_scale);
        m_lightOffBox->show();
    } else {
        m_lightOffBox->setGeometry(QRect());
        m_lightOffBox->hide();
    }
}
