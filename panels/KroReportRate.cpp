// The report-rate menu button and the two lift-off distance buttons.
#include "panels/KroReportRate.h"

#include "panels/panelStyle.h"
#include "store/appContext.h"
#include "store/settings.h"
#include "widgets/skinStyle.h"

#include <QAction>
#include <QActionGroup>
#include <QButtonGroup>
#include <QDebug>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

const quint8 KroReportRate::RATE_CODES[KroReportRate::RATE_COUNT] = { 8, 4, 2, 1 };

namespace {
const char* const RATE_TEXTS[KroReportRate::RATE_COUNT] = {
    QT_TRANSLATE_NOOP("KroReportRate", "125 HZ"),
    QT_TRANSLATE_NOOP("KroReportRate", "250 HZ"),
    QT_TRANSLATE_NOOP("KroReportRate", "500 HZ"),
    QT_TRANSLATE_NOOP("KroReportRate", "1000 HZ"),
};

int rateIndex(quint8 code)
{
    for (int i = 0; i < KroReportRate::RATE_COUNT; ++i) {
        if (KroReportRate::RATE_CODES[i] == code)
            return i;
    }
    return -1;
}
} // namespace

QString KroReportRate::rateText(quint8 code)
{
    const int i = rateIndex(code);
    return i < 0 ? QString() : QString::fromLatin1(RATE_TEXTS[i]);
}

KroReportRate::KroReportRate(QWidget* parent, double scale)
    : QWidget(parent)
    , m_scale(scale)
    , m_title(new QLabel(this))
    , m_rateButton(new QPushButton(this))
    , m_menu(new QMenu(this))
    , m_liftTitle(new QLabel(this))
    , m_liftGroup(new QButtonGroup(this))
    , m_lift1(new QRadioButton(this))
    , m_lift2(new QRadioButton(this))
{
    setObjectName("reportRate");
    m_title->setObjectName("rateTitleLabel");
    m_rateButton->setObjectName("rateButton");
    m_menu->setObjectName("rateMenu");
    m_liftTitle->setObjectName("liftTitleLabel");
    m_lift1->setObjectName("lift1Button");
    m_lift2->setObjectName("lift2Button");
    // The menu marks the rate the page holds, so the choice is seen before the menu is used.
    auto* rates = new QActionGroup(this);
    rates->setExclusive(true);
    for (int i = 0; i < RATE_COUNT; ++i) {
        m_actions[i] = m_menu->addAction(QString());
        m_actions[i]->setCheckable(true);
        rates->addAction(m_actions[i]);
        connect(m_actions[i], &QAction::triggered, this, [this, i] { chooseRate(i); });
    }
    m_rateButton->setMenu(m_menu);
    m_liftGroup->setExclusive(true);
    m_liftGroup->addButton(m_lift1, 0);
    m_liftGroup->addButton(m_lift2, 1);
    m_lift2->setChecked(true);
    connect(m_liftGroup, &QButtonGroup::idClicked, this, &KroReportRate::onRadioChanged);
    setScale(scale);
    retranslate();
}

void KroReportRate::loadProfile(const ProfileData& profile, quint8 lift)
{
    m_ProfileData = profile;
    showRate(m_ProfileData.pollrate);
    setLift(lift);
}

void KroReportRate::setLift(quint8 lift)
{
    // Anything but 1 or 2 is shown as 2 mm; the configuration keeps its value until a click.
    m_iLift = (lift == 1 || lift == 2) ? lift : 2;
    (m_iLift == 1 ? m_lift1 : m_lift2)->setChecked(true);
}

void KroReportRate::showRate(quint8 code)
{
    const int i = rateIndex(code);
    if (i < 0)
        return;
    m_rateButton->setText(tr(RATE_TEXTS[i]));
    m_actions[i]->setChecked(true);
}

void KroReportRate::chooseRate(int index)
{
    if (index < 0 || index >= RATE_COUNT)
        return;
    m_ProfileData.pollrate = RATE_CODES[index];
    showRate(m_ProfileData.pollrate);
}

void KroReportRate::applyTo(MouseConfig& config) const
{
    config.current().pollrate = m_ProfileData.pollrate;
}

void KroReportRate::onRadioChanged()
{
    const int id = m_liftGroup->checkedId();
    if (id < 0)
        return;
    m_iLift = quint8(id + 1);
    qDebug("m_iLift = %d", m_iLift);
    emit RefreshLift(m_iLift);
}

void KroReportRate::retranslate()
{
    m_title->setText(tr("REPORT RATE"));
    for (int i = 0; i < RATE_COUNT; ++i)
        m_actions[i]->setText(tr(RATE_TEXTS[i]));
    showRate(m_ProfileData.pollrate);
    m_liftTitle->setText(tr("Lift off Distance"));
    m_lift1->setText(tr("1 mm"));
    m_lift2->setText(tr("2 mm"));
}

void KroReportRate::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void KroReportRate::setScale(double scale)
{
    m_scale = scale;
    const QColor accent = skinAccent();
    setStyleSheet(panelStyleSheet(scale, accent));
    const QString image = appDir() + "/skin/rate.png";
    const QString base = QFile::exists(image)
        ? QStringLiteral("QPushButton{border-image:url(%1);color:white;}").arg(image)
        : panelButtonStyleSheet(accent);
    m_rateButton->setStyleSheet(base + "QPushButton::menu-indicator{image:none;width:0px;}");
    m_menu->setStyleSheet(menuStyleSheet(accent)
        + QStringLiteral("QMenu::item:checked{color:%1;font-weight:bold;}").arg(rgbText(accent)));
    const QFont font = panelFont(scale);
    for (QWidget* w :
        { static_cast<QWidget*>(m_title), static_cast<QWidget*>(m_rateButton), static_cast<QWidget*>(m_menu),
            static_cast<QWidget*>(m_liftTitle), static_cast<QWidget*>(m_lift1), static_cast<QWidget*>(m_lift2) })
        w->setFont(font);
    placeScaled(m_title, 10, 4, 100, 20, scale);
    placeScaled(m_rateButton, 115, 4, 104, 22, scale);
    m_menu->setFixedWidth(int(104 * scale));
    placeScaled(m_liftTitle, 10, 36, 200, 20, scale);
    placeScaled(m_lift1, 10, 60, 95, 22, scale);
    placeScaled(m_lift2, 115, 60, 95, 22, scale);
    skinIndicators(this, scale);
}
