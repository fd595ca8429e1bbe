// Painting the light zone over the mouse picture and the breathing animation.
#include "panels/LightingPreview.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QtMath>

namespace {

constexpr int EFFECT_OFF = 0;
constexpr int EFFECT_STATIC = 1;
constexpr int EFFECT_BREATHING = 2;
constexpr int EFFECT_COLOUR_BREATHING = 3;
constexpr int FRAME_MS = 40;
// The shell's colour around the strip.
const QColor UNLIT(30, 30, 35);
// Speed 1 is the slowest breath.
constexpr int BREATH_MS[] = { 5000, 4000, 3000, 2200, 1500 };
const QColor SEVEN_COLOURS[] = { Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan, Qt::magenta, Qt::white };

bool breathes(int effect)
{
    return effect == EFFECT_BREATHING || effect == EFFECT_COLOUR_BREATHING;
}

} // namespace

LightingPreview::LightingPreview(QLabel* picture)
    : QWidget(picture)
    , m_picture(picture)
{
    setObjectName(QStringLiteral("lightingPreview"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    m_timer.setInterval(FRAME_MS);
    connect(&m_timer, &QTimer::timeout, this, QOverload<>::of(&QWidget::update));
    picture->installEventFilter(this);
    setGeometry(picture->rect());
    hide();
}

void LightingPreview::setZoneImage(const QString& path)
{
    if (path == m_zonePath)
        return;
    m_zonePath = path;
    m_zone = QImage(path).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    m_unlit = m_zone.isNull() ? QImage() : tinted(m_zone, UNLIT, 3);
    m_litColour = QColor();
    update();
}

void LightingPreview::setLighting(int effect, const QColor& colour, int brightness, int speed)
{
    m_effect = effect;
    m_colour = colour.isValid() ? colour : QColor(Qt::red);
    m_brightness = qBound(1, brightness, 3);
    m_speed = qBound(1, speed, 5);
    updateTimer();
    update();
}

void LightingPreview::setActive(bool bActive)
{
    m_active = bActive;
    setVisible(bActive);
    raise();
    updateTimer();
}

void LightingPreview::updateTimer()
{
    if (m_active && breathes(m_effect)) {
        if (!m_timer.isActive()) {
            m_clock.start();
            m_timer.start();
        }
    } else {
        m_timer.stop();
    }
}

double LightingPreview::intensity() const
{
    if (m_effect == EFFECT_STATIC)
        return 0.4 + 0.2 * m_brightness;
    if (!breathes(m_effect))
        return 0;
    const int period = BREATH_MS[m_speed - 1];
    const double phase = m_clock.isValid() ? double(m_clock.elapsed() % period) / period : 0;
    return 0.1 + 0.9 * (0.5 - 0.5 * qCos(2 * M_PI * phase));
}

// Seven-colour breathing takes the next colour with every breath.
QColor LightingPreview::shownColour() const
{
    if (m_effect != EFFECT_COLOUR_BREATHING)
        return m_colour;
    const qint64 breath = m_clock.isValid() ? m_clock.elapsed() / BREATH_MS[m_speed - 1] : 0;
    return SEVEN_COLOURS[breath % 7];
}

QImage LightingPreview::tinted(const QImage& zone, const QColor& colour, int alphaBoost)
{
    QImage out(zone.size(), QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter p(&out);
    for (int i = 0; i < alphaBoost; ++i)
        p.drawImage(0, 0, zone);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(out.rect(), colour);
    return out;
}

// Where the label draws its picture: the zone image is laid over it the same way.
QRect LightingPreview::pictureRect() const
{
    const QPixmap pixmap = m_picture->pixmap(Qt::ReturnByValue);
    if (pixmap.isNull())
        return QRect();
    const QSize size = m_zone.size().scaled(pixmap.size(), Qt::KeepAspectRatio);
    return QStyle::alignedRect(layoutDirection(), m_picture->alignment(), size, rect());
}

void LightingPreview::paintEvent(QPaintEvent*)
{
    const bool shown = m_effect == EFFECT_OFF || m_effect == EFFECT_STATIC || breathes(m_effect);
    const QRect target = pictureRect();
    if (m_zone.isNull() || !shown || target.isEmpty())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(target, m_unlit);
    if (m_effect == EFFECT_OFF)
        return;
    const QColor colour = shownColour();
    if (colour != m_litColour) {
        m_lit = tinted(m_zone, colour, 1);
        m_litColour = colour;
    }
    p.setOpacity(intensity());
    p.drawImage(target, m_lit);
}

bool LightingPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_picture && event->type() == QEvent::Resize)
        setGeometry(m_picture->rect());
    return QWidget::eventFilter(watched, event);
}
