// One DPI stage row and its labels in dots per inch.
#include "panels/KroSingleDPI.h"

#include "panels/KroDpiEdit.h"
#include "panels/KroTwoBarSlider.h"
#include "panels/panelStyle.h"
#include "store/appContext.h"
#include "store/deviceDescription.h"
#include "store/sensors.h"
#include "widgets/KroLabel.h"
#include "widgets/skinStyle.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

KroSingleDPI::KroSingleDPI(quint8 iStage, QWidget* parent, double scale)
    : QWidget(parent)
    , m_stage(iStage)
    , m_stageButton(new QPushButton(this))
    , m_enableBox(new QCheckBox(this))
    , m_linkBox(new QCheckBox(this))
    , m_slider(new KroTwoBarSlider(this, scale))
    , m_xEdit(new KroDpiEdit(QStringLiteral("X:"), this))
    , m_yEdit(new KroDpiEdit(QStringLiteral("Y:"), this))
    , m_dpiLabel(new KroLabel(this))
    , m_minLabel(new QLabel(this))
    , m_maxLabel(new QLabel(this))
{
    setObjectName(QStringLiteral("dpiRow%1").arg(iStage));
    m_stageButton->setObjectName("stageButton");
    m_stageButton->setCheckable(true);
    m_stageButton->setFocusPolicy(Qt::NoFocus);
    m_stageButton->setText(QString::number(iStage + 1));
    m_enableBox->setObjectName("enableBox");
    m_linkBox->setObjectName("linkBox");
    m_linkBox->setText(tr("Link XY"));
    m_linkBox->hide();
    m_xEdit->setObjectName("xEdit");
    m_yEdit->setObjectName("yEdit");
    m_dpiLabel->setObjectName("dpiLabel");
    m_minLabel->setObjectName("minLabel");
    m_maxLabel->setObjectName("maxLabel");
    m_minLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_maxLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_dpiLabel->setCursor(Qt::PointingHandCursor);
    connect(m_dpiLabel, &KroLabel::EnterSignal, this, &KroSingleDPI::slotLabelClick);

    connect(m_slider, &KroTwoBarSlider::SliderChangedSignal, this, &KroSingleDPI::onSliderChanged);
    connect(m_xEdit, &KroDpiEdit::RawEditedSignal, this, &KroSingleDPI::onXEdited);
    connect(m_yEdit, &KroDpiEdit::RawEditedSignal, this, &KroSingleDPI::onYEdited);
    connect(m_linkBox, &QCheckBox::stateChanged, this, &KroSingleDPI::onStateChanged);
    connect(m_enableBox, &QCheckBox::stateChanged, this, &KroSingleDPI::onEnableChanged);

    setUsed(1);
    setLink(1);
    setScale(scale);
    updateLabels();
}

void KroSingleDPI::setSensor(int sensor)
{
    m_sensor = sensor;
    updateRanges();
    updateLabels();
}

void KroSingleDPI::setRange(const DpiRange& range)
{
    m_slider->setRange(range.maximum, range.minimum);
    updateRanges();
    m_minLabel->setText(QString::number(range.minDpi));
    m_maxLabel->setText(QString::number(range.maxDpi));
    m_linkBox->setVisible(range.showLink);
}

void KroSingleDPI::setValues(int x, int y)
{
    m_x = x;
    m_y = y;
    m_slider->setValues(x, y);
    updateLabels();
}

void KroSingleDPI::setLink(quint8 link)
{
    m_link = link ? 1 : 0;
    const QSignalBlocker block(m_linkBox);
    m_linkBox->setChecked(m_link);
    m_slider->setLinked(m_link);
    updateLabels();
}

void KroSingleDPI::setUsed(quint8 used)
{
    m_used = used ? 1 : 0;
    const QSignalBlocker block(m_enableBox);
    m_enableBox->setChecked(m_used);
}

void KroSingleDPI::updateRanges()
{
    for (KroDpiEdit* edit : { m_xEdit, m_yEdit })
        edit->setSensor(m_sensor, m_slider->minimum(), m_slider->maximum());
}

void KroSingleDPI::updateLabels()
{
    m_xEdit->setRaw(m_x);
    m_yEdit->setRaw(m_y);
    DpiStage stage;
    stage.link = m_link;
    stage.x = quint32(qMax(0, m_x));
    stage.y = quint32(qMax(0, m_y));
    m_dpiLabel->setText(QStringLiteral("DPI : %1").arg(displayedDpi(stage, m_sensor)));
}

void KroSingleDPI::onSliderChanged(int x, int y)
{
    m_x = x;
    m_y = y;
    updateLabels();
    emit DPISignal(x, y, m_stage);
}

void KroSingleDPI::onXEdited(int raw)
{
    takeTyped(raw, m_link ? raw : m_y);
}

void KroSingleDPI::onYEdited(int raw)
{
    takeTyped(m_link ? raw : m_x, raw);
}

// A typed value moves the slider too, and reaches the page as a slider move would.
void KroSingleDPI::takeTyped(int x, int y)
{
    m_slider->setValues(x, y);
    onSliderChanged(x, y);
}

void KroSingleDPI::onStateChanged(int state)
{
    m_link = state == Qt::Checked ? 1 : 0;
    m_slider->setLinked(m_link);
    updateLabels();
    emit LinkSignal(m_link, m_stage);
}

void KroSingleDPI::onEnableChanged(int state)
{
    m_used = state == Qt::Checked ? 1 : 0;
    emit EnableSignal(m_used, m_stage);
}

void KroSingleDPI::slotLabelClick(KroLabel* label)
{
    if (label == m_dpiLabel)
        emit MouseinSignal(m_stage);
}

QAbstractButton* KroSingleDPI::stageButton() const
{
    return m_stageButton;
}

void KroSingleDPI::setActive(bool bActive)
{
    m_active = bActive;
    applyTextColour();
}

void KroSingleDPI::applyTextColour()
{
    const QColor text = m_active ? skinAccent() : panelTextColour();
    m_dpiLabel->setStyleSheet(colourStyle(text));
    for (KroDpiEdit* edit : { m_xEdit, m_yEdit })
        edit->setAccent(text, skinAccent());
}

void KroSingleDPI::applyStageButtonStyle()
{
    const QString off = appDir() + "/skin/DPI-OFF.png";
    const QString on = appDir() + "/skin/DPI-ON.png";
    const QColor accent = skinAccent();
    const QString accentRgb = rgbText(accent);
    if (QFile::exists(off) && QFile::exists(on)) {
        m_stageButton->setStyleSheet(QStringLiteral("QPushButton{border-image:url(%1);color:white;}"
                                                    "QPushButton:checked{border-image:url(%2);color:white;}")
                                         .arg(off, on));
        return;
    }
    // Without the skin pictures the button is drawn as a ring filled in the accent colour when checked.
    const int radius = int(12 * m_scale);
    m_stageButton->setStyleSheet(QStringLiteral("QPushButton{border:1px solid rgb(150,150,150);border-radius:%1px;"
                                                "background:rgb(30,30,30);color:rgb(220,220,220);}"
                                                "QPushButton:checked{background:%2;color:black;border-color:%2;}")
                                     .arg(radius)
                                     .arg(accentRgb));
}

void KroSingleDPI::setScale(double scale)
{
    m_scale = scale;
    const QFont font = panelFont(scale);
    const QFont small = panelFont(scale, 10);
    for (QWidget* w : { static_cast<QWidget*>(m_stageButton), static_cast<QWidget*>(m_linkBox),
             static_cast<QWidget*>(m_xEdit), static_cast<QWidget*>(m_yEdit), static_cast<QWidget*>(m_dpiLabel) })
        w->setFont(font);
    m_minLabel->setFont(small);
    m_maxLabel->setFont(small);
    placeScaled(m_stageButton, 0, 12, 24, 24, scale);
    placeScaled(m_enableBox, 30, 14, 20, 20, scale);
    placeScaled(m_dpiLabel, 54, 2, 96, 22, scale);
    placeScaled(m_linkBox, 54, 24, 96, 22, scale);
    shrinkFontToFit(m_linkBox);
    placeScaled(m_minLabel, 150, 0, 36, 48, scale);
    placeScaled(m_slider, 190, 4, 140, 40, scale);
    placeScaled(m_maxLabel, 334, 0, 42, 48, scale);
    placeScaled(m_xEdit, 376, 3, 64, 21, scale);
    placeScaled(m_yEdit, 376, 24, 64, 21, scale);
    m_slider->setScale(scale);
    applyStageButtonStyle();
    applyTextColour();
}
