// Lighting panel: controls per effect, the colour dialog and the sleep settings.
#include "panels/KroColorWindow.h"

#include "panels/DefaultColorArea.h"
#include "panels/KroColorArea.h"
#include "panels/KroSlider.h"
#include "panels/LightingPreview.h"
#include "panels/SleepControls.h"
#include "panels/panelStyle.h"
#include "store/appContext.h"
#include "store/deviceDescription.h"
#include "store/settings.h"
#include "widgets/dialogHook.h"
#include "widgets/skinStyle.h"

#include <QAction>
#include <QCheckBox>
#include <QDebug>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>

namespace {
void setSliderQuietly(KroSlider* slider, int value)
{
    const QSignalBlocker block(slider);
    slider->setValue(value);
}
} // namespace

KroColorWindow::KroColorWindow(QWidget* parent, double scale)
    : QWidget(parent)
    , m_scale(scale)
    , m_effectTitle(new QLabel(this))
    , m_effectButton(new QPushButton(this))
    , m_menu(new QMenu(this))
    , m_brightTitle(new QLabel(this))
    , m_brightSlider(new KroSlider(this))
    , m_speedTitle(new QLabel(this))
    , m_speedSlider(new KroSlider(this))
    , m_colourTitle(new QLabel(this))
    , m_swatch(new DefaultColorArea(this))
    , m_sleep(new SleepControls(this))
{
    setObjectName("colorWindow");
    setAttribute(Qt::WA_TranslucentBackground);
    m_effectTitle->setObjectName("effectTitle");
    m_effectButton->setObjectName("effectButton");
    m_menu->setObjectName("effectMenu");
    m_brightTitle->setObjectName("brightnessTitle");
    m_brightSlider->setObjectName("brightnessSlider");
    m_speedTitle->setObjectName("speedTitle");
    m_speedSlider->setObjectName("speedSlider");
    m_colourTitle->setObjectName("colorTitle");
    m_swatch->setObjectName("colorSwatch");

    m_brightSlider->setRange(1, 3);
    m_speedSlider->setRange(1, 5);
    m_effectButton->setMenu(m_menu);

    connect(m_brightSlider, &QSlider::valueChanged, this, &KroColorWindow::brightnessChanged);
    connect(m_speedSlider, &QSlider::valueChanged, this, &KroColorWindow::speedChanged);
    for (KroSlider* s : { m_brightSlider, m_speedSlider, m_sleep->slider() })
        connect(s, &KroSlider::MouseChange, this, &KroColorWindow::slotSliderMouseChange);
    connect(m_swatch, &DefaultColorArea::ClickedSignal, this, &KroColorWindow::color_clicked);

    rebuildEffectMenu();
    setScale(scale);
    applyVisibility(0);
    retranslate();
}

void KroColorWindow::showPreviewOn(QLabel* picture)
{
    delete m_preview;
    m_preview = picture ? new LightingPreview(picture) : nullptr;
    updatePreview();
}

void KroColorWindow::updatePreview()
{
    if (!m_preview)
        return;
    m_preview->setZoneImage(appDir() + QStringLiteral("/skin/mouse/") + currentProductName() + "/Light.png");
    const LedModeInfo* effect = currentEffect();
    if (effect)
        m_preview->setLighting(m_profile->LedMode, effect->RGB, int(effect->bright), int(effect->breath));
    m_preview->setActive(effect && isVisible());
}

void KroColorWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    updatePreview();
}

void KroColorWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (m_preview)
        m_preview->setActive(false);
}

QAction* KroColorWindow::effectAction(int effect) const
{
    return effect >= 0 && effect < EFFECT_COUNT ? m_actions[effect] : nullptr;
}

int KroColorWindow::profileIndex() const
{
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        if (m_profile == &currentConfig.profiles[i])
            return i;
    }
    return -1;
}

LedModeInfo* KroColorWindow::currentEffect() const
{
    if (!m_profile || m_profile->LedMode >= LED_MODE_COUNT)
        return nullptr;
    return &m_profile->lighting[m_profile->LedMode];
}

void KroColorWindow::loadRecord(const PageRecord& record)
{
    setProfile(&record.mouse);
}

void KroColorWindow::setProfile(ProfileData* profile)
{
    m_profile = profile;
    m_sleep->setProfile(profile); // shows the sleep settings
    refresh();
    rebuildEffectMenu();
    retranslate();
}

void KroColorWindow::refresh()
{
    if (!m_profile)
        return;
    applyVisibility(m_profile->LedMode);
    if (const LedModeInfo* effect = currentEffect()) {
        setSliderQuietly(m_brightSlider, int(qMin<quint32>(effect->bright, 255)));
        setSliderQuietly(m_speedSlider, int(qMin<quint32>(effect->breath, 255)));
        m_swatch->setColor(effect->RGB);
    }
    updatePreview();
}

void KroColorWindow::rebuildEffectMenu()
{
    m_menu->clear();
    for (QAction*& action : m_actions) {
        delete action;
        action = nullptr;
    }
    for (int i = 0; i < EFFECT_COUNT; ++i) {
        m_actions[i] = new QAction(tr(effectName(i)), this);
        m_actions[i]->setObjectName(QStringLiteral("effectAction%1").arg(i));
        connect(m_actions[i], &QAction::triggered, this, [this, i] { chooseEffect(i); });
    }
    for (int effect : EFFECT_MENU_ORDER)
        m_menu->addAction(m_actions[effect]);
}

void KroColorWindow::applyVisibility(int effect)
{
    const int controls = effectControls(effect);
    if (controls < 0)
        return;
    const bool speedOnTop = controls & EFFECT_SPEED_ON_TOP;
    const double s = m_scale;
    placeScaled(m_brightTitle, 30, speedOnTop ? 137 : 78, 201, 18, s);
    placeScaled(m_brightSlider, 30, speedOnTop ? 156 : 97, 228, 25, s);
    placeScaled(m_speedTitle, 30, speedOnTop ? 78 : 137, 201, 18, s);
    placeScaled(m_speedSlider, 30, speedOnTop ? 97 : 156, 228, 25, s);
    const bool bright = controls & EFFECT_BRIGHTNESS;
    const bool speed = controls & EFFECT_SPEED;
    const bool colour = controls & EFFECT_COLOUR;
    m_brightTitle->setVisible(bright);
    m_brightSlider->setVisible(bright);
    m_speedTitle->setVisible(speed);
    m_speedSlider->setVisible(speed);
    m_colourTitle->setVisible(colour);
    m_swatch->setVisible(colour);
    m_effectButton->setText(tr(effectName(effect)));
}

void KroColorWindow::chooseEffect(int effect)
{
    if (!m_profile || effect < 0 || effect >= EFFECT_COUNT)
        return;
    applyVisibility(effect);
    m_profile->LedMode = quint8(effect);
    const LedModeInfo& info = m_profile->lighting[effect];
    setSliderQuietly(m_brightSlider, int(qMin<quint32>(info.bright, 255)));
    setSliderQuietly(m_speedSlider, int(qMin<quint32>(info.breath, 255)));
    m_swatch->setColor(info.RGB);
    updatePreview();
    trace("EffectMenuFunction", info.RGB);
}

void KroColorWindow::trace(const char* what, const QColor& colour) const
{
    qDebug("%s iProfile=%d i=%d r=%d g=%d b=%d", what, profileIndex(), m_profile ? m_profile->LedMode : -1,
        colour.red(), colour.green(), colour.blue());
}

void KroColorWindow::brightnessChanged(int value)
{
    if (LedModeInfo* effect = currentEffect())
        effect->bright = quint32(value);
    updatePreview();
}

void KroColorWindow::speedChanged(int value)
{
    if (LedModeInfo* effect = currentEffect())
        effect->breath = quint32(value);
    updatePreview();
}

void KroColorWindow::slotSliderMouseChange() { }

void KroColorWindow::slotSendLedState(const QColor& color)
{
    LedModeInfo* effect = currentEffect();
    if (!effect || !color.isValid())
        return;
    effect->RGB = color.toRgb();
    updatePreview();
    trace("slotSendLedState", color);
}

void KroColorWindow::slotApplyColor(const QColor& color)
{
    // APPLY of the dialog keeps the colour without closing it.
    slotSendLedState(color);
    if (const LedModeInfo* effect = currentEffect())
        m_swatch->setColor(effect->RGB);
}

void KroColorWindow::color_clicked()
{
    LedModeInfo* effect = currentEffect();
    if (!effect)
        return;
    KroColorArea dialog(this, m_scale);
    dialog.setColor(effect->RGB.isValid() ? effect->RGB : QColor(Qt::red));
    connect(&dialog, &KroColorArea::ApplyColor, this, &KroColorWindow::slotApplyColor);
    const int result = dialogHook::exec(&dialog, dialogHook::Kind::Colour);
    // The profile may have been replaced while the dialog was open; look the effect up again.
    effect = currentEffect();
    if (result == QDialog::Accepted && effect) {
        effect->RGB = dialog.color().toRgb();
        m_swatch->setColor(effect->RGB);
    }
    updatePreview();
}

void KroColorWindow::retranslate()
{
    m_effectTitle->setText(tr("EFFECT"));
    m_brightTitle->setText(tr("BRIGHTNESS"));
    m_speedTitle->setText(tr("SPEED"));
    m_colourTitle->setText(tr("COLOR"));
    m_sleep->retranslate();
    for (int i = 0; i < EFFECT_COUNT; ++i) {
        if (m_actions[i])
            m_actions[i]->setText(tr(effectName(i)));
    }
    if (m_profile && effectName(m_profile->LedMode))
        m_effectButton->setText(tr(effectName(m_profile->LedMode)));
}

void KroColorWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void KroColorWindow::setScale(double scale)
{
    m_scale = scale;
    const QColor accent = skinAccent();
    setStyleSheet(panelStyleSheet(scale, accent) + panelButtonStyleSheet(accent));
    const QString sliderStyle = sliderStyleSheet(scale, accent);
    for (KroSlider* s : { m_brightSlider, m_speedSlider, m_sleep->slider() })
        s->setStyleSheet(sliderStyle);
    m_menu->setStyleSheet(menuStyleSheet(accent));
    const QFont font = panelFont(scale);
    for (QWidget* w : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        w->setFont(font);
    m_menu->setFont(font);
    m_menu->setFixedWidth(int(175 * scale));
    placeScaled(m_effectTitle, 30, 20, 201, 18, scale);
    placeScaled(m_effectButton, 30, 40, 175, 25, scale);
    placeScaled(m_colourTitle, 30, 196, 201, 18, scale);
    placeScaled(m_swatch, 30, 216, 60, 30, scale);
    placeScaled(m_sleep->title(), 30, 300, 201, 18, scale);
    placeScaled(m_sleep->slider(), 30, 320, 228, 25, scale);
    placeScaled(m_sleep->valueLabel(), 265, 323, 100, 18, scale);
    QCheckBox* lightOff = m_sleep->lightOffBox();
    if (showSleep() != 0) {
        placeScaled(lightOff, 30, 360, 200, 25, scale);
    } else {
        lightOff->setGeometry(QRect());
        lightOff->hide();
    }
    skinIndicators(this, scale);
    applyVisibility(m_profile ? m_profile->LedMode : 0);
}
