// Battery bar, "MOUSE OFF", receiver icon and connection mode.
#include "app/StatusDisplay.h"

#include "store/batteryLevel.h"
#include "widgets/KroProcessbar.h"
#include "device/KroGetBatteryThread.h"
#include "store/appContext.h"
#include "store/settings.h"

#include <QLabel>
#include <QPixmap>

namespace {

const char* const COLOURED_STYLE
    = "                QProgressBar {                border:none;                "
      "background-color: #FFFFFF;                border-radius:2px;                }"
      "                QProgressBar::chunk {                background-color:rgb(%1,%2,%3);"
      "                border-radius:2px;                }                QProgressBar {"
      "                text-align: center;                font-size:%4px;"
      "                font-weight:bold;                color: rgb(0, 0, 0);"
      "                }                ";

const char* const INITIAL_STYLE = "                QProgressBar {                border:none;                "
                                  "background-color: #FFFFFF;                border-radius:2px;"
                                  "                -qproperty-timeline-duration: 20000;                }"
                                  "                QProgressBar::chunk {                background-color:rgb(%1,%2,%3);"
                                  "                border-radius:2px;                }                QProgressBar "
                                  "{text-align: center;                font-size:%4px;                "
                                  "font-weight:bold;                color: rgb(0, 0, 0);                }"
                                  "                ";

const char* const GREY_STYLE = "                    QProgressBar {                    border:none;"
                               "                    background-color: rgb(100,100,100);                    "
                               "border-radius:2px;                    }                    QProgressBar::chunk {"
                               "                    background-color:rgb(100,100,100);                    "
                               "border-radius:2px;                    }                    QProgressBar {"
                               "                    text-align: center;                    font-size:%1px;"
                               "                    font-weight:bold;                    color: rgb(255, 255, 255);"
                               "                    }                    ";

QString accentStyle(const char* style, int fontSize)
{
    const QColor c = accentColour();
    return QString::fromLatin1(style).arg(c.red()).arg(c.green()).arg(c.blue()).arg(fontSize);
}

} // namespace

StatusDisplay::StatusDisplay(QWidget* window)
    : QObject(window)
    , m_window(window)
    , m_bar(new KroProcessbar(window))
    , m_dongle(new QLabel(window))
{
    m_bar->setObjectName(QStringLiteral("batteryBar"));
    m_bar->setOrientation(Qt::Horizontal);
    m_bar->setRange(0, 100);
    m_dongle->setObjectName(QStringLiteral("dongleIcon"));
    const int stored = batteryPercent();
    m_level = stored >= 10 && stored <= 100 ? stored : 10;
    m_bar->setValue(m_level);
    m_bar->setStyleSheet(accentStyle(INITIAL_STYLE, scaled(16)));
}

bool StatusDisplay::isMouseOff() const
{
    return mouseOff();
}

void StatusDisplay::setColouredStyle()
{
    m_bar->setStyleSheet(accentStyle(COLOURED_STYLE, scaled(14)));
}

void StatusDisplay::setGreyStyle()
{
    m_bar->setStyleSheet(QString::fromLatin1(GREY_STYLE).arg(scaled(14)));
}

void StatusDisplay::showBattery(quint8 iCharge, quint8 iLowByte, quint8 iHiByte, bool cable, bool receiver)
{
    if (iCharge == 0 && iLowByte == 0 && iHiByte == 0) {
        // No mouse answered: never shown as 0 %.
        const QString off = tr("MOUSE OFF");
        m_bar->setFormat(off);
        m_bar->setTextVisible(false);
        m_bar->setText(off);
        setGreyStyle();
        setMouseOff(true);
        return;
    }
    m_bar->setText(QString());
    m_bar->setTextVisible(true);
    m_bar->setFormat(cable ? QString() : QStringLiteral("%p%"));
    setMouseOff(false);
    setColouredStyle();
    m_charging = iCharge;

    const int level = batteryLevel(iLowByte, iHiByte, batteryFullValue());
    if (level != m_level) {
        m_level = level;
        setBatteryPercent(level);
    }
    m_bar->setValue(cable ? 100 : level);
    updateConnection(cable, receiver);
}

void StatusDisplay::updateConnection(bool cable, bool receiver)
{
    m_mode = connectionMode(cable, receiver, m_charging);
    m_bar->setVisible(modeShowsBar(m_mode));
    m_dongle->setVisible(modeShowsDongle(m_mode));
    emit modeChanged(m_mode);
}

void StatusDisplay::rescale()
{
    m_bar->setGeometry(scaled(75), scaled(587), scaled(71), scaled(34));
    m_dongle->setGeometry(scaled(174), scaled(581), scaled(48), scaled(48));
    QPixmap icon(appDir() + QStringLiteral("/skin/dongle.png"));
    if (!icon.isNull())
        m_dongle->setPixmap(icon.scaled(scaled(48), scaled(48), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    if (mouseOff())
        setGreyStyle();
    else
        setColouredStyle();
}

void StatusDisplay::retranslate()
{
    if (!mouseOff())
        return;
    const QString off = tr("MOUSE OFF");
    m_bar->setFormat(off);
    m_bar->setText(off);
}
