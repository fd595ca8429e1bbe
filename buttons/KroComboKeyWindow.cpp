// COMBO KEY dialog: follows held modifiers and shows the combination of the last key-down.
#include "buttons/KroComboKeyWindow.h"

#include "store/appContext.h"

#include <QDebug>
#include <QLabel>

KroComboKeyWindow::KroComboKeyWindow(QWidget* parent)
    : KroKeyCaptureDialog(parent)
{
    buildCaptureLayout(m_title, m_hint, m_comboLabel, QStringLiteral("comboLabel"), 40);
    retranslate();
}

void KroComboKeyWindow::retranslate()
{
    m_title->setText(tr("Combo Key"));
    m_hint->setText(tr("Hold the modifiers and press the key"));
    m_comboLabel->setText(m_state.text());
}

void KroComboKeyWindow::prefill(const ButtonInfo& button)
{
    m_state.prefill(button);
    m_comboLabel->setText(m_state.text());
}

void KroComboKeyWindow::keyCaptured(quint8 keyCode, int flags)
{
    qDebug("KroComboKeyWindow dwVCode = %x dwFlag = %x", keyCode, flags);
    if (m_state.feed(keyCode, flags)) {
        m_comboLabel->setText(m_state.text());
        emit SetComboKeyValue(m_state.text());
    }
}
