// SNIPER dialog: a slider over the sensor's step range with the matching DPI beside it.
#include "buttons/KroSniperWindow.h"

#include "widgets/skinStyle.h"
#include "buttons/keyFunctions.h"
#include "store/appContext.h"
#include "store/deviceDescription.h"

#include <QLabel>
#include <QSlider>

KroSniperWindow::KroSniperWindow(QWidget* parent, int sensorId)
    : KroSkinDialog(parent, 400, 258, QStringLiteral("/skin/dlg.png"))
    , m_sensorId(sensorId)
{
    m_title = makeTitle(QStringLiteral("titleLabel"));
    const SniperRange range = sniperRange(sensorId);
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setObjectName(QStringLiteral("sniperSlider"));
    m_slider->setRange(range.sliderMin, range.sliderMax);
    m_slider->setGeometry(scaled(30), scaled(105), scaled(250), scaled(24));
    const QColor accent = skinAccent();
    m_slider->setStyleSheet(QStringLiteral("QSlider::groove:horizontal{height: 4px; background: rgb(80, 80, 80);}"
                                           "QSlider::handle:horizontal{width: 12px; margin: -6px 0;"
                                           "background: rgb(%1, %2, %3);}")
                                .arg(accent.red())
                                .arg(accent.green())
                                .arg(accent.blue()));
    m_dpiLabel = makeLabel(QStringLiteral("dpiLabel"));
    m_dpiLabel->setGeometry(scaled(290), scaled(100), scaled(90), scaled(34));
    connect(m_slider, &QSlider::valueChanged, this, &KroSniperWindow::onSliderChanged);
    prefill(quint8(range.fallback));
    placeAnswerButtons(200);
    retranslate();
}

void KroSniperWindow::retranslate()
{
    m_title->setText(tr("Sniper Setting"));
}

void KroSniperWindow::prefill(quint8 storedStep)
{
    m_slider->setValue(correctedSniperStep(storedStep, m_sensorId));
    onSliderChanged(m_slider->value());
}

quint8 KroSniperWindow::step() const
{
    return quint8(m_slider->value());
}

void KroSniperWindow::onSliderChanged(int value)
{
    m_dpiLabel->setText(QString::asprintf("%d", dpiFromRaw(value, m_sensorId)));
    emit SetSniperValue(quint8(value));
}
