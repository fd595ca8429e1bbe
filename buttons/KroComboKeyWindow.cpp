// COMBO KEY dialog: follows held modifiers and shows the combination of the last key-down.
#include "buttons/KroComboKeyWindow.h"

#include "store/appContext.h"

#include <QDebug>
#include <QLabel>

KroComboKeyWindow::KroComboKeyWindow(QWidget* parent)
    : KroKeyCaptureDialog(parent)
{
    m_title = makeTitle(QStringLiteral("titleLabel"));
    m_hint = makeLabel(QStringLiteral("hintLabel"));
    m_hint->setGeometry(scaled(20), scaled(60), width() - scaled(40), scaled(24));
    m_comboLabel = makeLabel(QStringLiteral("comboLabel"));
    m_comboLabel->setGeometry(scaled(40), scaled(100), width() - scaled(80), scaled(40));
    m_comboLabel->setStyleSheet(QStringLiteral("color: white; background: rgb(30, 30, 30); border: 1px solid gray;"));
    placeAnswerButtons(200);
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
