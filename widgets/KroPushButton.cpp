// The skin image button: state pictures, toggling, sticky and disabled drawing, hover signals.
#include "widgets/KroPushButton.h"

#include "store/appContext.h"
#include "widgets/skinStyle.h"

#include <QBitmap>
#include <QHash>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

#include <vector>

namespace {

// Normal pictures are redrawn as flat silhouettes in this colour; hover and pressed keep theirs.
const QColor TINT(60, 60, 68);

QList<QColor> textColoursForMode(int mode)
{
    if (mode == 1)
        return { QColor(30, 30, 30), QColor(0, 0, 0), QColor(255, 255, 255), QColor(90, 90, 90) };
    return { QColor(200, 200, 200), QColor(255, 255, 255), QColor(255, 255, 255), QColor(105, 105, 105) };
}

QPixmap tinted(const QPixmap& source)
{
    if (source.isNull())
        return source;
    QPixmap out(source.size());
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.drawPixmap(0, 0, source);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(out.rect(), TINT);
    return out;
}

// Mean colour of the picture's opaque pixels: the background its text is read against.
QColor meanTone(const QPixmap& picture)
{
    const QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    double r = 0, g = 0, b = 0, weight = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double a = qAlpha(line[x]) / 255.0;
            r += a * qRed(line[x]);
            g += a * qGreen(line[x]);
            b += a * qBlue(line[x]);
            weight += a;
        }
    }
    if (weight <= 0)
        return QColor();
    return QColor(int(r / weight), int(g / weight), int(b / weight));
}

// The picture's outline: its opaque pixels and every transparent hole they enclose, so a click on
// a glyph cut out of a button (the close cross) still lands on the button.
QBitmap outlineMask(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();
    std::vector<bool> outside(size_t(w) * size_t(h), false);
    std::vector<int> pending;
    auto reach = [&](int x, int y) {
        const int i = y * w + x;
        if (!outside[size_t(i)] && qAlpha(image.pixel(x, y)) < 128) {
            outside[size_t(i)] = true;
            pending.push_back(i);
        }
    };
    for (int x = 0; x < w; ++x) {
        reach(x, 0);
        reach(x, h - 1);
    }
    for (int y = 0; y < h; ++y) {
        reach(0, y);
        reach(w - 1, y);
    }
    while (!pending.empty()) {
        const int i = pending.back();
        pending.pop_back();
        const int x = i % w;
        const int y = i / w;
        if (x > 0)
            reach(x - 1, y);
        if (x < w - 1)
            reach(x + 1, y);
        if (y > 0)
            reach(x, y - 1);
        if (y < h - 1)
            reach(x, y + 1);
    }
    QImage shape(w, h, QImage::Format_ARGB32);
    shape.fill(Qt::transparent);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (!outside[size_t(y * w + x)])
                shape.setPixel(x, y, qRgba(0, 0, 0, 255));
        }
    }
    return QBitmap::fromImage(shape.createAlphaMask());
}

} // namespace

KroPushButton::KroPushButton(const QStringList& images, QWidget* parent, const QString& iconPath)
    : QPushButton(parent)
    , m_textColours(textColoursForMode(colorMode()))
{
    setFlat(true);
    setFocusPolicy(Qt::NoFocus);
    setImages(images);
    if (!iconPath.isEmpty())
        m_icon = skinPixmap(iconPath);
}

void KroPushButton::setImages(const QStringList& images)
{
    // Buttons of one picture set share its tinted pictures and tones (and so their outline).
    struct Look {
        QList<QPixmap> images;
        QList<QColor> tones;
    };
    static QHash<QString, Look> looks;
    QStringList files;
    for (const QString& path : images)
        files.append(path.isEmpty() ? QString() : skinFile(path));
    const QString key = files.join(QLatin1Char('\n'));
    auto look = looks.constFind(key);
    if (look == looks.constEnd()) {
        Look made;
        for (const QString& path : images)
            made.images.append(skinPixmap(path));
        if (!made.images.isEmpty())
            made.images[0] = tinted(made.images[0]);
        for (const QPixmap& image : qAsConst(made.images))
            made.tones.append(image.isNull() ? QColor() : meanTone(image));
        look = looks.insert(key, made);
    }
    m_images = look->images;
    m_tones = look->tones;
    updateMask();
    update();
}

void KroPushButton::updateMask()
{
    // The mask follows the current size so a button resized after construction is not clipped.
    if (m_images.isEmpty() || m_images[0].isNull() || width() <= 0 || height() <= 0) {
        clearMask();
        return;
    }
    // Many buttons share a picture and a size (the tabs, the rows): each outline is traced once.
    static QHash<QString, QBitmap> outlines;
    const QString key = QStringLiteral("%1:%2x%3").arg(m_images[0].cacheKey()).arg(width()).arg(height());
    auto known = outlines.constFind(key);
    if (known == outlines.constEnd()) {
        const QImage scaledImage = m_images[0].scaled(size(), Qt::IgnoreAspectRatio, Qt::FastTransformation).toImage();
        known = outlines.insert(key, scaledImage.hasAlphaChannel() ? outlineMask(scaledImage) : QBitmap());
    }
    const QBitmap mask = *known;
    if (mask.isNull())
        clearMask();
    else
        setMask(mask);
}

QPixmap KroPushButton::currentImage() const
{
    if (m_images.isEmpty())
        return QPixmap();
    const int index = m_state == Disabled ? 0 : qBound(0, m_state, m_images.size() - 1);
    return m_images[index];
}

void KroPushButton::setDrawnState(int state)
{
    if (m_state == state)
        return;
    m_state = state;
    update();
}

int KroPushButton::restingState() const
{
    return (m_sticky && m_toggled) ? Hover : Normal;
}

void KroPushButton::setState(int n)
{
    m_toggled = n != 0;
    m_state = n;
    update();
}

void KroPushButton::setSticky(bool bSticky)
{
    m_state = Normal;
    m_sticky = bSticky;
    update();
}

void KroPushButton::setText(const QString& text)
{
    m_text = text;
    QPushButton::setText(text);
    setToolTip(text);
    update();
}

void KroPushButton::setEnabled(bool bEnable)
{
    m_enabled = bEnable;
    m_state = bEnable ? restingState() : Disabled;
    QWidget::setEnabled(bEnable);
    update();
}

void KroPushButton::changeEvent(QEvent* event)
{
    // Disabling through a parent widget draws the disabled state too.
    if (event->type() == QEvent::EnabledChange && isEnabled() != m_enabled) {
        m_enabled = isEnabled();
        m_state = m_enabled ? restingState() : Disabled;
        update();
    }
    QPushButton::changeEvent(event);
}

void KroPushButton::setVertical(bool bVertical)
{
    m_vertical = bVertical;
    update();
}

void KroPushButton::setColourOverlay(bool bOverlay)
{
    m_overlay = bOverlay;
    update();
}

QColor KroPushButton::textColour(int state) const
{
    return m_textColours.value(qBound(0, state, m_textColours.size() - 1));
}

// The skin's colour of the state, unless it reads badly on the picture drawn (a selected picture in
// a light accent colour): then black or white, whichever contrasts more.
QColor KroPushButton::drawnTextColour() const
{
    const QColor skin = textColour(m_state);
    if (m_images.isEmpty() || m_overlay)
        return skin;
    const int index = m_state == Disabled ? 0 : qBound(0, m_state, m_images.size() - 1);
    const QColor tone = m_tones.value(index);
    if (!tone.isValid() || m_state == Disabled || contrastRatio(skin, tone) >= MIN_TEXT_CONTRAST)
        return skin;
    return readableTextOn(tone);
}

QSize KroPushButton::sizeHint() const
{
    if (!m_icon.isNull())
        return m_icon.size();
    if (!m_images.isEmpty() && !m_images[0].isNull())
        return m_images[0].size();
    return QPushButton::sizeHint();
}

void KroPushButton::enterEvent(QEvent* event)
{
    if (m_enabled) {
        m_pressedSinceEnter = false;
        emit OverSignal(true, m_index);
        if (m_images.size() > 1)
            setDrawnState(Hover);
    }
    QPushButton::enterEvent(event);
}

void KroPushButton::leaveEvent(QEvent* event)
{
    if (m_enabled) {
        if (!m_pressedSinceEnter)
            emit OverSignal(false, m_index);
        setDrawnState(restingState());
    }
    QPushButton::leaveEvent(event);
}

void KroPushButton::mousePressEvent(QMouseEvent* event)
{
    if (m_enabled && event->button() == Qt::LeftButton) {
        const bool wasToggled = m_toggled;
        m_toggled = !m_toggled;
        m_pressedSinceEnter = true;
        if (m_images.size() > 2)
            setDrawnState(wasToggled ? Normal : Pressed);
        emit EnterSignal(this);
    }
    QPushButton::mousePressEvent(event);
}

void KroPushButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_enabled && event->button() == Qt::LeftButton && m_images.size() > 1)
        setDrawnState(Hover);
    QPushButton::mouseReleaseEvent(event);
}

void KroPushButton::resizeEvent(QResizeEvent* event)
{
    QPushButton::resizeEvent(event);
    updateMask();
}

void KroPushButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap image = currentImage();
    if (!image.isNull())
        p.drawPixmap(rect(), image);
    if (m_overlay) {
        QColor accent = skinAccent();
        QLinearGradient gradient(0, 0, 0, height());
        accent.setAlpha(m_state == Normal || m_state == Disabled ? 40 : 150);
        gradient.setColorAt(0, accent);
        accent.setAlpha(10);
        gradient.setColorAt(1, accent);
        p.fillRect(rect(), gradient);
    }
    if (!m_icon.isNull()) {
        const QSize iconSize = m_icon.size().scaled(size(), Qt::KeepAspectRatio);
        const QRect iconRect(QPoint((width() - iconSize.width()) / 2, (height() - iconSize.height()) / 2), iconSize);
        p.drawPixmap(iconRect, m_icon);
    }
    if (m_text.isEmpty())
        return;
    p.setFont(skinFont());
    p.setPen(drawnTextColour());
    QRect textRect = rect();
    if (m_vertical) {
        p.translate(width(), 0);
        p.rotate(90);
        textRect = QRect(0, 0, height(), width());
    }
    const QString shown = p.fontMetrics().elidedText(m_text, Qt::ElideRight, textRect.width());
    p.drawText(textRect, Qt::AlignCenter, shown);
}
