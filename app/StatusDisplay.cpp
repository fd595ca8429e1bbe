// Battery bar, "MOUSE OFF", receiver icon and connection mode.
#include "app/StatusDisplay.h"

#include "device/KroGetBatteryThread.h"
#include "store/appContext.h"
#include "store/batteryLevel.h"
#include "store/settings.h"
#include "widgets/KroProcessbar.h"

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

const char* const GREY_STYLE = "                    QProgressBar {                    border:none;"
                               "                    background-color: rgb(100,100,100);                    "
                               "border-radius:2px;                    }                    QProgressBar::chunk {"
                               "                    background-color:rgb(100,100,100);                    "
                               "border-radius:2px;                    }                    QProgressBar {"
                               "                    text-align: center;                    font-size:%1px;"
                               "                    font-weight:bold;                    color: rgb(255, 255, 255);"
                               "                    }                    ";

QString colouredStyle(const QColor& c, int fontSize)
{
    return QString::fromLatin1(COLOURED_STYLE).arg(c.red()).arg(c.green()).arg(c.blue()).arg(fontSize);
}

// Shown in the bar while no level is known.
const char* const UNKNOWN_TEXT = "--";

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
    m_bar->setValue(0);
    m_bar->setText(QString::fromLatin1(UNKNOWN_TEXT));
    setGreyStyle();
}

// Amber: reads as "charge soon" and stands apart from the default red accent.
const QColor StatusDisplay::WARNING_COLOUR(255, 176, 0);

QColor StatusDisplay::fillColour(int level, const QColor& accent)
{
    return level > 20 ? accent : WARNING_COLOUR;
}

bool StatusDisplay::isMouseOff() const
{
    return mouseOff();
}

void StatusDisplay::setColouredStyle()
{
    m_bar->setStyleSheet(colouredStyle(fillColour(m_level, accentColour()), scaled(14)));
}

void StatusDisplay::setGreyStyle()
{
    m_bar->setStyleSheet(QString::fromLatin1(GREY_STYLE).arg(scaled(14)));
}

void StatusDisplay::applyStyle()
{
    if (m_reading == Reading::Level)
        setColouredStyle();
    else
        setGreyStyle();
}

void StatusDisplay::showUnknown(bool cable, bool receiver)
{
    m_reading = Reading::Unknown;
    m_bar->setTextVisible(false);
    m_bar->setValue(0);
    m_bar->setText(QString::fromLatin1(UNKNOWN_TEXT));
    m_bar->setToolTip(tr("Battery level not known yet"));
    setGreyStyle();
    updateConnection(cable, receiver);
}

void StatusDisplay::showBattery(quint8 iCharge, quint8 iLowByte, quint8 iHiByte, bool cable, bool receiver)
{
    if (iCharge == 0 && iLowByte == 0 && iHiByte == 0) {
        // No mouse answered: never shown as 0 %.
        const QString off = tr("MOUSE OFF");
        m_bar->setFormat(off);
        m_bar->setTextVisible(false);
        m_bar->setText(off);
        m_bar->setToolTip(QString());
        m_reading = Reading::Off;
        setGreyStyle();
        setMouseOff(true);
        return;
    }
    m_reading = Reading::Level;
    m_bar->setText(QString());
    m_bar->setToolTip(QString());
    m_bar->setTextVisible(true);
    m_bar->setFormat(cable ? QString() : QStringLiteral("%p%"));
    setMouseOff(false);
    m_charging = iCharge;

    const int level = batteryLevel(iLowByte, iHiByte, batteryFullValue());
    if (level != m_level) {
        m_level = level;
        setBatteryPercent(level);
    }
    setColouredStyle();
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
    applyStyle();
}

void StatusDisplay::retranslate()
{
    if (m_reading == Reading::Unknown)
        m_bar->setToolTip(tr("Battery level not known yet"));
    if (m_reading != Reading::Off)
        return;
    const QString off = tr("MOUSE OFF");
    m_bar->setFormat(off);
    m_bar->setText(off);
}
