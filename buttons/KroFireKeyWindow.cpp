// FIRE KEY dialog: exclusive mode boxes, the captured key, and the Times and Delay fields.
#include "buttons/KroFireKeyWindow.h"
#include "platform/keyNames.h"

#include "buttons/buttonFunctions.h"
#include "buttons/keyFunctions.h"
#include "store/appContext.h"
#include "store/keyTable.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace {

const char* const MODE_NAMES[] = {
    QT_TRANSLATE_NOOP("KroFireKeyWindow", "Left"),
    QT_TRANSLATE_NOOP("KroFireKeyWindow", "Right"),
    QT_TRANSLATE_NOOP("KroFireKeyWindow", "Middle"),
    QT_TRANSLATE_NOOP("KroFireKeyWindow", "Keyboard Key"),
};
const char* const MODE_OBJECT_NAMES[] = { "fireLeft", "fireRight", "fireMiddle", "fireKeyboard" };

// The number of an edit when it lies in 1..255, else 0.
int editNumber(const QLineEdit* edit)
{
    bool ok = false;
    const int value = edit->text().toInt(&ok);
    return ok && value >= FIRE_MIN && value <= FIRE_MAX ? value : 0;
}

QString prefillNumber(int stored, int fallback)
{
    return QString::number(stored >= FIRE_MIN && stored <= FIRE_MAX ? stored : fallback);
}

} // namespace

KroFireKeyWindow::KroFireKeyWindow(QWidget* parent)
    : KroKeyCaptureDialog(parent)
{
    m_title = makeTitle(QStringLiteral("titleLabel"));
    for (int i = 0; i < 4; ++i) {
        m_modes[i] = new QCheckBox(this);
        m_modes[i]->setObjectName(QLatin1String(MODE_OBJECT_NAMES[i]));
        m_modes[i]->setStyleSheet(checkBoxStyle());
        m_modes[i]->setFocusPolicy(Qt::NoFocus);
        m_modes[i]->setGeometry(scaled(60 + 150 * (i % 2)), scaled(50 + 28 * (i / 2)), scaled(150), scaled(24));
        connect(m_modes[i], &QCheckBox::clicked, this, &KroFireKeyWindow::checkbtn_clicked);
        connect(m_modes[i], &QCheckBox::stateChanged, this, &KroFireKeyWindow::onStateChanged);
    }
    m_modes[0]->setChecked(true);
    m_keyLabel = makeDisplay(QStringLiteral("keyLabel"), QRect(100, 112, 200, 30));
    m_timesCaption = makeLabel(QStringLiteral("timesCaption"), Qt::AlignRight | Qt::AlignVCenter);
    m_timesCaption->setGeometry(scaled(20), scaled(155), scaled(90), scaled(24));
    m_times = makeNumberEdit(QStringLiteral("timesEdit"), FIRE_DEFAULT_TIMES);
    m_times->setGeometry(scaled(120), scaled(155), scaled(60), scaled(24));
    m_delayCaption = makeLabel(QStringLiteral("delayCaption"), Qt::AlignRight | Qt::AlignVCenter);
    m_delayCaption->setGeometry(scaled(190), scaled(155), scaled(110), scaled(24));
    m_delay = makeNumberEdit(QStringLiteral("delayEdit"), 100);
    m_delay->setGeometry(scaled(310), scaled(155), scaled(60), scaled(24));
    for (QLineEdit* edit : { m_times, m_delay }) {
        connect(edit, &QLineEdit::textChanged, this, &KroFireKeyWindow::OnEditDataChanged);
        connect(edit, &QLineEdit::returnPressed, this, &KroFireKeyWindow::onEditReturn);
    }
    placeAnswerButtons(200);
    retranslate();
}

void KroFireKeyWindow::retranslate()
{
    m_title->setText(tr("FireKey Setting"));
    for (int i = 0; i < 4; ++i)
        m_modes[i]->setText(tr(MODE_NAMES[i]));
    m_timesCaption->setText(tr("Times"));
    m_delayCaption->setText(tr("Delay(ms)"));
}

void KroFireKeyWindow::prefill(const ButtonInfo& button)
{
    int mode = 0;
    int keyCode = 0;
    fireModeOfTarget(button.Res1, mode, keyCode);
    setMode(mode);
    m_key = quint8(keyCode);
    m_keyLabel->setText(keyNames::keyCapName(m_key, keyName(m_key)));
    m_times->setText(prefillNumber(button.LoopNumber, FIRE_DEFAULT_TIMES));
    m_delay->setText(prefillNumber(button.KeyNumber, FIRE_DEFAULT_DELAY));
}

int KroFireKeyWindow::times() const
{
    return editNumber(m_times);
}
int KroFireKeyWindow::delay() const
{
    return editNumber(m_delay);
}

void KroFireKeyWindow::writeTo(ButtonInfo& button) const
{
    button.Res1 = fireTarget(m_mode, m_key);
    button.LoopNumber = times();
    button.KeyNumber = delay();
    button.Fun = ButtonFun::FireKey;
}

void KroFireKeyWindow::setMode(int mode)
{
    m_mode = qBound(0, mode, FIRE_MODE_KEY);
    for (int i = 0; i < 4; ++i) {
        const QSignalBlocker block(m_modes[i]);
        m_modes[i]->setChecked(i == m_mode);
    }
    if (m_mode == FIRE_MODE_KEY) {
        // Typing into the fields must not be taken as the key.
        setFocus();
        resetRepeatFilter();
    } else {
        m_key = 0;
        m_keyLabel->clear();
        m_keyLabel->setStyleSheet(fieldStyle());
    }
}

void KroFireKeyWindow::checkbtn_clicked()
{
    for (int i = 0; i < 4; ++i) {
        if (sender() == m_modes[i])
            setMode(i);
    }
    emitValue();
}

void KroFireKeyWindow::onStateChanged(int)
{
    // One box is always on: unchecking the current one by a click checks it again.
    if (!m_modes[m_mode]->isChecked()) {
        const QSignalBlocker block(m_modes[m_mode]);
        m_modes[m_mode]->setChecked(true);
    }
}

void KroFireKeyWindow::OnEditDataChanged()
{
    emitValue();
}

void KroFireKeyWindow::onEditReturn()
{
    setFocus();
}

bool KroFireKeyWindow::capturing() const
{
    return m_mode == FIRE_MODE_KEY && !m_times->hasFocus() && !m_delay->hasFocus();
}

void KroFireKeyWindow::keyCaptured(quint8 keyCode, int)
{
    if (!usageOfKey(keyCode))
        return;
    m_key = keyCode;
    m_keyLabel->setText(keyNames::keyCapName(m_key, keyName(m_key)));
    m_keyLabel->setStyleSheet(fieldStyle());
    emitValue();
}

void KroFireKeyWindow::onYes()
{
    // Refuse what the mouse cannot do: a zero count or interval, or a keyboard mode without a key.
    for (QLineEdit* edit : { m_times, m_delay }) {
        if (!editNumber(edit)) {
            edit->setStyleSheet(fieldStyle(true));
            edit->setFocus();
            return;
        }
    }
    if (m_mode == FIRE_MODE_KEY && !usageOfKey(m_key)) {
        m_keyLabel->setStyleSheet(fieldStyle(true));
        return;
    }
    accept();
}

void KroFireKeyWindow::mousePressEvent(QMouseEvent* event)
{
    setFocus();
    KroKeyCaptureDialog::mousePressEvent(event);
}

void KroFireKeyWindow::emitValue()
{
    emit SetFireKeyValue(m_key, m_mode, times(), delay());
}
