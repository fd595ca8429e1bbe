// Colour dialog: every control shows the same colour; a flag stops the updates from echoing.
#include "panels/KroColorArea.h"

#include "widgets/skinStyle.h"
#include "panels/DefaultColorArea.h"
#include "panels/HColorArea.h"
#include "panels/PreviewColorArea.h"
#include "panels/SVColorArea.h"
#include "panels/hexColour.h"
#include "panels/panelStyle.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>

namespace {
const QColor PRESETS[KroColorArea::PRESET_COUNT] = {
    QColor(255, 0, 0),
    QColor(0, 255, 0),
    QColor(0, 0, 255),
    QColor(0, 255, 255),
    QColor(255, 255, 0),
    QColor(255, 0, 255),
    QColor(255, 255, 255),
};

// Hue of a colour for the controls: grey has none, so the hue shown so far is kept.
int hueOf(const QColor& colour, int previous)
{
    return colour.hsvHue() < 0 ? previous : colour.hsvHue();
}
} // namespace

KroColorArea::KroColorArea(QWidget* parent, double scale)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_title(new QLabel(this))
    , m_hueStrip(new HColorArea(this, scale))
    , m_square(new SVColorArea(this, scale))
    , m_preview(new PreviewColorArea(this))
    , m_h(makeSpin("hSpin", 360, tr("H ")))
    , m_s(makeSpin("sSpin", 255, tr("S ")))
    , m_v(makeSpin("vSpin", 255, tr("V ")))
    , m_r(makeSpin("rSpin", 255, tr("R ")))
    , m_g(makeSpin("gSpin", 255, tr("G ")))
    , m_b(makeSpin("bSpin", 255, tr("B ")))
    , m_hex(new QLineEdit(this))
    , m_apply(new QPushButton(tr("APPLY"), this))
    , m_ok(new QPushButton(tr("OK"), this))
    , m_cancel(new QPushButton(tr("Cancel"), this))
{
    setObjectName("colorDialog");
    setWindowTitle(tr("Color Edit"));
    m_title->setText(tr("Color Edit"));
    m_title->setObjectName("colorTitle");
    m_hueStrip->setObjectName("hueStrip");
    m_square->setObjectName("svSquare");
    m_preview->setObjectName("colorPreview");
    m_hex->setObjectName("hexEdit");
    m_apply->setObjectName("applyButton");
    m_ok->setObjectName("okButton");
    m_cancel->setObjectName("cancelButton");
    m_hex->setMaxLength(6);
    m_hex->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9a-fA-F]{0,6}"), m_hex));
    for (int i = 0; i < PRESET_COUNT; ++i) {
        m_presets[i] = new DefaultColorArea(this);
        m_presets[i]->setObjectName(QStringLiteral("preset%1").arg(i));
        m_presets[i]->setColor(PRESETS[i]);
        connect(m_presets[i], &DefaultColorArea::ClickedSignal, this, &KroColorArea::color_clicked);
    }

    connect(m_hueStrip, &HColorArea::hueChangedSignal, m_square, &SVColorArea::hueChangedSlot);
    connect(m_square, &SVColorArea::svChangedSignal, m_preview, &PreviewColorArea::svChangedSlot);
    connect(m_square, &SVColorArea::svChangedSignal, this, &KroColorArea::updateEditData);
    connect(m_hex, &QLineEdit::textEdited, this, &KroColorArea::editChangedSlot);
    connect(m_hex, &QLineEdit::editingFinished, this, &KroColorArea::editFinishedSlot);
    const auto changed = QOverload<int>::of(&QSpinBox::valueChanged);
    connect(m_h, changed, this, &KroColorArea::hValueChangedSlot);
    connect(m_s, changed, this, &KroColorArea::sValueChangedSlot);
    connect(m_v, changed, this, &KroColorArea::vValueChangedSlot);
    connect(m_r, changed, this, &KroColorArea::rValueChangedSlot);
    connect(m_g, changed, this, &KroColorArea::gValueChangedSlot);
    connect(m_b, changed, this, &KroColorArea::bValueChangedSlot);
    connect(m_hueStrip, &HColorArea::mouseReleaseSignal, this, &KroColorArea::MouseReleaseSlot);
    connect(m_square, &SVColorArea::mouseReleaseSignal, this, &KroColorArea::MouseReleaseSlot);
    connect(m_apply, &QPushButton::clicked, this, [this] { emit ApplyColor(m_color); });
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    buildLayout(scale);
    setColor(m_color);
}

QSpinBox* KroColorArea::makeSpin(const char* name, int maximum, const QString& prefix)
{
    auto* spin = new QSpinBox(this);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(0, maximum);
    spin->setPrefix(prefix);
    return spin;
}

void KroColorArea::buildLayout(double scale)
{
    const QColor accent = skinAccent();
    setFixedSize(int(420 * scale), int(280 * scale));
    setStyleSheet(panelStyleSheet(scale, accent) + panelButtonStyleSheet(accent)
        + "QLineEdit{color:white;background:rgb(30,30,30);border:1px solid rgb(90,90,90);}");
    const QFont font = panelFont(scale);
    for (QWidget* w : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        w->setFont(font);
    placeScaled(m_title, 15, 10, 200, 20, scale);
    m_hueStrip->move(int(15 * scale), int(40 * scale));
    m_square->move(int(60 * scale), int(47 * scale));
    placeScaled(m_preview, 200, 47, 60, 40, scale);
    placeScaled(m_hex, 200, 95, 60, 22, scale);
    const QSpinBox* columns[2][3] = { { m_h, m_s, m_v }, { m_r, m_g, m_b } };
    for (int c = 0; c < 2; ++c) {
        for (int r = 0; r < 3; ++r)
            placeScaled(const_cast<QSpinBox*>(columns[c][r]), 275 + c * 70, 47 + r * 30, 62, 24, scale);
    }
    for (int i = 0; i < PRESET_COUNT; ++i)
        placeScaled(m_presets[i], 60 + i * 24, 195, 18, 18, scale);
    placeScaled(m_apply, 150, 238, 80, 28, scale);
    placeScaled(m_ok, 240, 238, 80, 28, scale);
    placeScaled(m_cancel, 330, 238, 80, 28, scale);
}

void KroColorArea::setColor(const QColor& color)
{
    if (m_updating || !color.isValid())
        return;
    QColor c = color;
    c.setAlpha(255);
    showColour(c, FromOutside);
}

void KroColorArea::showColour(const QColor& color, Source source)
{
    m_updating = true;
    const int hue = source == FromHsv || source == FromSquare ? m_h->value() % 360 : hueOf(color, m_h->value() % 360);
    if (source != FromHsv && source != FromSquare) {
        m_h->setValue(hue);
        m_s->setValue(color.hsvSaturation());
        m_v->setValue(color.value());
    }
    if (source != FromRgb) {
        m_r->setValue(color.red());
        m_g->setValue(color.green());
        m_b->setValue(color.blue());
    }
    if (source != FromHex)
        m_hex->setText(hexFromColour(color));
    if (source != FromSquare) {
        m_hueStrip->setHue(hue);
        m_square->setHsv(hue, m_s->value(), m_v->value());
    }
    m_preview->setColor(color);
    // Kept as an RGB colour: the profile compares and saves colours together with their colour model (RGB or HSV).
    m_color = color.toRgb();
    m_updating = false;
    emit KroChangeColor(m_color);
}

void KroColorArea::updateEditData(int h, int s, int v)
{
    if (m_updating)
        return;
    if (h >= 360)
        h = 0;
    m_updating = true;
    m_h->setValue(h);
    m_s->setValue(s);
    m_v->setValue(v);
    m_updating = false;
    showColour(QColor::fromHsv(h, qBound(0, s, 255), qBound(0, v, 255), 255), FromSquare);
}

void KroColorArea::hsvEdited()
{
    if (m_updating)
        return;
    showColour(QColor::fromHsv(m_h->value() % 360, m_s->value(), m_v->value(), 255), FromHsv);
    m_hueStrip->setHue(m_h->value());
}

void KroColorArea::rgbEdited()
{
    if (m_updating)
        return;
    showColour(QColor(m_r->value(), m_g->value(), m_b->value(), 255), FromRgb);
}

void KroColorArea::hValueChangedSlot(int)
{
    hsvEdited();
}
void KroColorArea::sValueChangedSlot(int)
{
    hsvEdited();
}
void KroColorArea::vValueChangedSlot(int)
{
    hsvEdited();
}
void KroColorArea::rValueChangedSlot(int)
{
    rgbEdited();
}
void KroColorArea::gValueChangedSlot(int)
{
    rgbEdited();
}
void KroColorArea::bValueChangedSlot(int)
{
    rgbEdited();
}

void KroColorArea::color_clicked()
{
    for (int i = 0; i < PRESET_COUNT; ++i) {
        if (sender() == m_presets[i])
            setColor(PRESETS[i]);
    }
}

void KroColorArea::editChangedSlot(const QString& text)
{
    if (m_updating)
        return;
    const QColor c = colourFromHex(text);
    if (c.isValid())
        showColour(c, FromHex);
}

void KroColorArea::editFinishedSlot()
{
    const QString hex = normaliseHex(m_hex->text());
    if (hex.isEmpty())
        return;
    m_hex->setText(hex);
    editChangedSlot(hex);
}

void KroColorArea::MouseReleaseSlot() { }

void KroColorArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(25, 25, 25));
    painter.setPen(QPen(skinAccent(), 2));
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}
