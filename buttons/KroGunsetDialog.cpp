// GUN SET dialog: name, bullet count and per-bullet offsets and delays; builds and writes the macro.
#include "buttons/KroGunsetDialog.h"

#include "store/appContext.h"
#include "widgets/KroAction.h"
#include "widgets/KroMenu.h"
#include "widgets/KroMessageBox.h"
#include "widgets/KroPushButton.h"
#include "widgets/dialogHook.h"
#include "widgets/skinStyle.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSpinBox>

namespace {

constexpr int NAME_MAX_LENGTH = 100;
constexpr int COLUMN_X = 163;
constexpr int COLUMN_PITCH = 66;
const char* const ROW_CAPTIONS[] = {
    QT_TRANSLATE_NOOP("KroGunsetDialog", "VERTICAL"),
    QT_TRANSLATE_NOOP("KroGunsetDialog", "HORIZONTAL"),
    QT_TRANSLATE_NOOP("KroGunsetDialog", "DELAY(MS)"),
};
const int ROW_Y[] = { 215, 250, 285 };

} // namespace

KroGunsetDialog::KroGunsetDialog(QWidget* parent)
    : KroSkinDialog(parent, 619, 400, QStringLiteral("/skin/dlg_gun.png"))
    , m_bulletImage(skinPixmap(QStringLiteral("/skin/gunset_bullet.png")))
    , m_sliderImage(skinPixmap(QStringLiteral("/skin/gunset_slider.png")))
{
    m_title = makeTitle(QStringLiteral("titleLabel"));

    m_nameCaption = makeLabel(QStringLiteral("nameCaption"), Qt::AlignRight | Qt::AlignVCenter);
    m_nameCaption->setGeometry(scaled(10), scaled(55), scaled(140), scaled(26));
    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setObjectName(QStringLiteral("gunNameEdit"));
    m_nameEdit->setMaxLength(NAME_MAX_LENGTH);
    m_nameEdit->setStyleSheet(fieldStyle());
    m_nameEdit->setGeometry(scaled(COLUMN_X), scaled(55), scaled(300), scaled(26));

    m_bulletsCaption = makeLabel(QStringLiteral("bulletsCaption"), Qt::AlignRight | Qt::AlignVCenter);
    m_bulletsCaption->setGeometry(scaled(10), scaled(95), scaled(140), scaled(26));
    m_bulletSelector = new KroPushButton({ QStringLiteral("/skin/bulletsel.png"), QStringLiteral("/skin/bulletsel.png"),
                                             QStringLiteral("/skin/bulletsel.png") },
        this);
    m_bulletSelector->setObjectName(QStringLiteral("bulletSelector"));
    m_bulletSelector->setGeometry(scaled(COLUMN_X), scaled(95), scaled(80), scaled(26));
    m_bulletMenu = new KroMenu(this);
    m_bulletMenu->setObjectName(QStringLiteral("bulletMenu"));
    m_bulletMenu->setFixedWidth(m_bulletSelector->width());
    for (int count = 1; count <= GUN_BULLETS; ++count) {
        auto* action = new KroAction(QString::number(count), m_bulletMenu);
        m_bulletMenu->addAction(action);
        connect(action, &QAction::triggered, this, [this, count] { setBulletCount(count); });
    }
    m_bulletSelector->setMenu(m_bulletMenu);

    for (int row = 0; row < 3; ++row) {
        m_rowCaptions[row] = makeLabel(QStringLiteral("rowCaption%1").arg(row), Qt::AlignRight | Qt::AlignVCenter);
        m_rowCaptions[row]->setGeometry(scaled(2), scaled(ROW_Y[row]), scaled(128), scaled(26));
    }
    for (int i = 0; i < GUN_BULLETS; ++i) {
        const int x = COLUMN_X + COLUMN_PITCH * i - 25;
        m_vertical[i]
            = makeSpin(QStringLiteral("vertical%1").arg(i), -GUN_OFFSET_LIMIT, GUN_OFFSET_LIMIT, 0, x, ROW_Y[0]);
        m_horizontal[i]
            = makeSpin(QStringLiteral("horizontal%1").arg(i), -GUN_OFFSET_LIMIT, GUN_OFFSET_LIMIT, 0, x, ROW_Y[1]);
        m_delay[i]
            = makeSpin(QStringLiteral("delay%1").arg(i), GUN_DELAY_MIN, GUN_DELAY_MAX, GUN_DELAY_DEFAULT, x, ROW_Y[2]);
    }
    setBulletCount(GUN_BULLETS);
    placeAnswerButtons(345);
    retranslate();
}

QSpinBox* KroGunsetDialog::makeSpin(const QString& objectName, int min, int max, int value, int x, int y)
{
    auto* spin = new QSpinBox(this);
    spin->setObjectName(objectName);
    spin->setRange(min, max);
    spin->setValue(value);
    spin->setAlignment(Qt::AlignCenter);
    spin->setStyleSheet(fieldStyle());
    spin->setGeometry(scaled(x), scaled(y), scaled(58), scaled(26));
    return spin;
}

void KroGunsetDialog::retranslate()
{
    m_title->setText(tr("GUN SET"));
    setWindowTitle(m_title->text());
    m_nameCaption->setText(tr("GUNFILE NAME"));
    m_bulletsCaption->setText(tr("BULLETS"));
    for (int row = 0; row < 3; ++row)
        m_rowCaptions[row]->setText(tr(ROW_CAPTIONS[row]));
}

QString KroGunsetDialog::name() const
{
    // The name is checked without its outer spaces, so it is also the file name without them.
    return m_nameEdit->text().trimmed();
}

void KroGunsetDialog::setBulletCount(int count)
{
    m_count = qBound(1, count, GUN_BULLETS);
    m_bulletSelector->setText(QString::number(m_count));
    for (int i = 0; i < GUN_BULLETS; ++i) {
        for (QSpinBox* spin : { m_vertical[i], m_horizontal[i], m_delay[i] })
            spin->setEnabled(i < m_count);
    }
    update();
}

GunBullet KroGunsetDialog::bullet(int i) const
{
    GunBullet value;
    if (i < 0 || i >= GUN_BULLETS)
        return value;
    value.vertical = m_vertical[i]->value();
    value.horizontal = m_horizontal[i]->value();
    value.delay = m_delay[i]->value();
    return value;
}

void KroGunsetDialog::OnYesClick()
{
    const QString fileName = name();
    if (fileName.isEmpty()) {
        KroMessageBox::warn(this, tr("Please input file name."));
        return;
    }
    if (!isValidMacroName(fileName)) {
        KroMessageBox::warn(this, tr("This name cannot be used as a file name."));
        return;
    }
    QVector<GunBullet> bullets;
    for (int i = 0; i < m_count; ++i)
        bullets.append(bullet(i));
    m_events = gunRows(bullets);
    accept();
}

int KroGunsetDialog::writeFile(const QString& fileName) const
{
    return writeGunFile(fileName, m_events);
}

void KroGunsetDialog::paintEvent(QPaintEvent* event)
{
    KroSkinDialog::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // The slider mark sits under the last bullet in use.
    if (!m_sliderImage.isNull()) {
        painter.drawPixmap(
            QRect(scaled(COLUMN_X + COLUMN_PITCH * (m_count - 1) - 3), scaled(185), scaled(16), scaled(24)),
            m_sliderImage);
    }
    for (int i = 0; i < m_count; ++i) {
        const QRect place(scaled(COLUMN_X + COLUMN_PITCH * i), scaled(141), scaled(9), scaled(39));
        if (m_bulletImage.isNull())
            painter.fillRect(place, skinAccent());
        else
            painter.drawPixmap(place, m_bulletImage);
    }
}

QString KroGunsetDialog::createGunFile(QWidget* parent)
{
    if (macroListCount() >= MACRO_LIST_SLOTS) {
        KroMessageBox::warn(parent, tr("TOO MANY MACROS TO BE CREATE!"));
        return QString();
    }
    KroGunsetDialog dialog(parent);
    if (dialogHook::exec(&dialog, dialogHook::Kind::Dialog) != QDialog::Accepted)
        return QString();
    const QString fileName = freeMacroName(dialog.name());
    if (dialog.writeFile(fileName) != 0 || registerMacro(fileName) < 0)
        return QString();
    return fileName;
}
