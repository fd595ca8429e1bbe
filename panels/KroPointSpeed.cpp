// Sensor switches, key response, sensor mode and scroll lines of the "Mouse Setting" panel.
#include "panels/KroPointSpeed.h"

#include "panels/KroSlider.h"
#include "panels/panelStyle.h"
#include "platform/DesktopMouseSettings.h"
#include "store/deviceDescription.h"
#include "widgets/KroMessageBox.h"
#include "widgets/skinStyle.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDebug>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {
bool (*g_settingsOpener)() = &DesktopMouseSettings::open;

// Ticked boxes mean 0 for angle snapping, jitter and motion wake.
quint8 tickedIsZero(const QCheckBox* box)
{
    return box->isChecked() ? 0 : 1;
}
} // namespace

void KroPointSpeed::setSettingsOpenerForTest(bool (*opener)())
{
    g_settingsOpener = opener ? opener : &DesktopMouseSettings::open;
}

KroPointSpeed::KroPointSpeed(QWidget* parent, double scale)
    : QWidget(parent)
    , m_scale(scale)
    , m_title(new QLabel(this))
    , m_keyTitle(new QLabel(this))
    , m_keySlider(new KroSlider(this))
    , m_keyValue(new QLabel(this))
    , m_syncBox(makeBox("syncBox"))
    , m_liftTitle(new QLabel(this))
    , m_liftGroup(new QButtonGroup(this))
    , m_lift1(makeChoice("lift1mmButton", m_liftGroup, 1))
    , m_lift2(makeChoice("lift2mmButton", m_liftGroup, 2))
    , m_angleBox(makeBox("angleBox"))
    , m_jitterBox(makeBox("jitterBox"))
    , m_wakeBox(makeBox("wakeBox"))
    , m_modeTitle(new QLabel(this))
    , m_modeGroup(new QButtonGroup(this))
    , m_scrollTitle(new QLabel(this))
    , m_scrollBox(new QSpinBox(this))
    , m_settingsButton(new QPushButton(this))
{
    setObjectName("pointSpeed");
    m_title->setObjectName("mouseSettingTitle");
    m_keySlider->setObjectName("keyResponseSlider");
    m_keyValue->setObjectName("keyResponseValue");
    m_scrollBox->setObjectName("scrollLinesBox");
    m_settingsButton->setObjectName("mouseSettingsButton");
    m_modeButtons[0] = makeChoice("ecoButton", m_modeGroup, 0);
    m_modeButtons[1] = makeChoice("standardButton", m_modeGroup, 1);
    m_modeButtons[2] = makeChoice("competitiveButton", m_modeGroup, 2);

    m_keySlider->setRange(1, 255);
    m_scrollBox->setRange(1, 20);
    connect(m_keySlider, &QSlider::valueChanged, this, &KroPointSpeed::slider_clicked);
    connect(m_scrollBox, QOverload<int>::of(&QSpinBox::valueChanged), this, &KroPointSpeed::sValueChangedSlot);
    connect(m_settingsButton, &QPushButton::clicked, this, &KroPointSpeed::btn_clicked);

    m_syncMode = syncMode();
    setScale(scale);
    retranslate();
}

QCheckBox* KroPointSpeed::makeBox(const char* name)
{
    auto* box = new QCheckBox(this);
    box->setObjectName(QString::fromLatin1(name));
    connect(box, &QCheckBox::clicked, this, &KroPointSpeed::checkbtn_clicked);
    return box;
}

QPushButton* KroPointSpeed::makeChoice(const char* name, QButtonGroup* group, int id)
{
    auto* button = new QPushButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setCheckable(true);
    button->setFocusPolicy(Qt::NoFocus);
    group->setExclusive(true);
    group->addButton(button, id);
    connect(button, &QPushButton::clicked, this, &KroPointSpeed::checkbtn_clicked);
    return button;
}

void KroPointSpeed::loadRecord(const PageRecord& record)
{
    MouseConfig& c = record.config;
    loadSettings(&c.current(), c.Sync, c.LiftHigh, c.AngleValue, c.Jitter, c.Debounce, c.Wake, c.SensorMode);
}

void KroPointSpeed::loadSettings(ProfileData* profile, quint8 Sync, quint8 LiftHigh, quint8 AngleValue, quint8 Jitter,
    quint8 Debounce, quint8 Wake, quint8 SensorMode)
{
    m_profile = profile;
    m_sync = Sync;
    m_angle = AngleValue;
    m_jitter = Jitter;
    m_keyResponse = Debounce;
    m_wake = Wake;
    m_sensorMode = SensorMode;
    {
        const QSignalBlocker blockSlider(m_keySlider);
        m_keySlider->setValue(Debounce);
        const QSignalBlocker blockSpin(m_scrollBox);
        if (profile)
            m_scrollBox->setValue(profile->scrollspeed);
    }
    m_keyValue->setText(QStringLiteral("%1").arg(Debounce));
    m_syncBox->setChecked(Sync != 0);
    m_angleBox->setChecked(AngleValue == 0);
    m_jitterBox->setChecked(Jitter == 0);
    m_wakeBox->setChecked(Wake == 0);
    showSensorMode(SensorMode);
    // The configuration's lift value is kept as it is; the buttons show 1 mm only for 1.
    m_lift = LiftHigh;
    m_liftEdited = false;
    (LiftHigh == 1 ? m_lift1 : m_lift2)->setChecked(true);
}

void KroPointSpeed::showSensorMode(quint8 mode)
{
    if (mode > 2)
        return;
    m_modeButtons[mode]->setChecked(true);
}

void KroPointSpeed::setLift(quint8 lift)
{
    m_lift = lift;
    m_liftEdited = false;
    (lift == 1 ? m_lift1 : m_lift2)->setChecked(true);
}

void KroPointSpeed::applyTo(MouseConfig& config)
{
    config.Sync = m_sync;
    config.AngleValue = m_angle;
    config.Jitter = m_jitter;
    config.Debounce = m_keyResponse;
    config.Wake = m_wake;
    config.SensorMode = m_sensorMode;
    if (m_liftEdited) {
        config.LiftHigh = m_lift;
        m_liftEdited = false;
    }
}

void KroPointSpeed::slider_clicked(int value)
{
    m_keyResponse = quint8(qBound(1, value, 255));
    m_keyValue->setText(QStringLiteral("%1").arg(value));
    qDebug("slider_clicked 1 = %d", value);
}

void KroPointSpeed::sValueChangedSlot(int s)
{
    if (m_profile)
        m_profile->scrollspeed = quint8(qBound(1, s, 20));
}

void KroPointSpeed::checkbtn_clicked()
{
    QObject* source = sender();
    if (source == m_syncBox) {
        m_sync = m_syncBox->isChecked() ? 1 : 0;
    } else if (source == m_angleBox) {
        m_angle = tickedIsZero(m_angleBox);
    } else if (source == m_jitterBox) {
        m_jitter = tickedIsZero(m_jitterBox);
    } else if (source == m_wakeBox) {
        m_wake = tickedIsZero(m_wakeBox);
    } else if (source == m_lift1 || source == m_lift2) {
        m_lift = source == m_lift1 ? 1 : 2;
        m_liftEdited = true;
        emit RefreshLift(m_lift);
    } else {
        for (int i = 0; i < 3; ++i) {
            if (source == m_modeButtons[i])
                m_sensorMode = quint8(i);
        }
    }
}

void KroPointSpeed::btn_clicked()
{
    // A click that opens nothing is explained rather than ignored.
    if (!g_settingsOpener())
        KroMessageBox::warn(this, tr("No mouse settings tool of the desktop was found."));
}

void KroPointSpeed::retranslate()
{
    m_title->setText(tr("Mouse Setting"));
    m_keyTitle->setText(tr("Key Response"));
    m_syncBox->setText(tr("Enable sync"));
    m_liftTitle->setText(tr("Lift Distance"));
    m_lift1->setText(tr("1mm"));
    m_lift2->setText(tr("2mm"));
    m_angleBox->setText(tr("Angle Snapping"));
    m_jitterBox->setText(tr("Jitter"));
    m_wakeBox->setText(tr("Motion Wake"));
    m_modeTitle->setText(tr("Sensor Mode"));
    m_modeButtons[0]->setText(tr("Eco"));
    m_modeButtons[1]->setText(tr("Standard"));
    m_modeButtons[2]->setText(tr("Competitive"));
    m_scrollTitle->setText(tr("Scroll Lines"));
    m_settingsButton->setText(tr("Mouse Properties"));
}

void KroPointSpeed::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void KroPointSpeed::setSyncMode(int mode)
{
    m_syncMode = mode;
    layoutWidgets();
}

void KroPointSpeed::setScale(double scale)
{
    m_scale = scale;
    const QColor accent = skinAccent();
    setStyleSheet(panelStyleSheet(scale, accent) + panelButtonStyleSheet(accent));
    m_keySlider->setStyleSheet(sliderStyleSheet(scale, accent));
    const QFont font = panelFont(scale);
    for (QWidget* w : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        w->setFont(font);
    const QFont small = panelFont(scale, 10);
    for (QPushButton* b : m_modeButtons)
        b->setFont(small);
    skinIndicators(this, scale);
    layoutWidgets();
}

void KroPointSpeed::layoutWidgets()
{
    const double s = m_scale;
    const bool showSync = m_syncMode != 0;
    double y = 4;
    auto row = [&](double height) {
        const double top = y;
        y += height;
        return top;
    };
    placeScaled(m_title, 10, row(26), 209, 22, s);
    double top = row(20);
    placeScaled(m_keyTitle, 10, top, 150, 18, s);
    placeScaled(m_keyValue, 175, top, 44, 18, s);
    placeScaled(m_keySlider, 10, row(28), 209, 22, s);
    // Motion sync, angle snapping and jitter only reach the mouse when the description's SyncMode is set.
    m_syncBox->setVisible(showSync);
    m_angleBox->setVisible(showSync);
    m_jitterBox->setVisible(showSync);
    if (showSync)
        placeScaled(m_syncBox, 10, row(24), 209, 20, s);
    top = row(28);
    placeScaled(m_liftTitle, 10, top, 100, 22, s);
    placeScaled(m_lift1, 115, top, 50, 22, s);
    placeScaled(m_lift2, 169, top, 50, 22, s);
    if (showSync) {
        placeScaled(m_angleBox, 10, row(24), 209, 20, s);
        placeScaled(m_jitterBox, 10, row(24), 209, 20, s);
    }
    placeScaled(m_wakeBox, 10, row(28), 209, 20, s);
    placeScaled(m_modeTitle, 10, row(22), 209, 18, s);
    top = row(34);
    placeScaled(m_modeButtons[0], 10, top, 62, 24, s);
    placeScaled(m_modeButtons[1], 76, top, 68, 24, s);
    placeScaled(m_modeButtons[2], 148, top, 71, 24, s);
    top = row(34);
    placeScaled(m_scrollTitle, 10, top, 120, 24, s);
    placeScaled(m_scrollBox, 150, top, 69, 24, s);
    placeScaled(m_settingsButton, 10, row(32), 209, 28, s);
}
