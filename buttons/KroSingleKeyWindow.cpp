// SINGLE KEY dialog: shows and keeps the last captured key.
#include "buttons/KroSingleKeyWindow.h"

#include "store/appContext.h"
#include "store/keyTable.h"

#include <QLabel>

KroSingleKeyWindow::KroSingleKeyWindow(QWidget* parent)
    : KroKeyCaptureDialog(parent)
{
    m_title = makeTitle(QStringLiteral("titleLabel"));
    m_hint = makeLabel(QStringLiteral("hintLabel"));
    m_hint->setGeometry(scaled(20), scaled(60), width() - scaled(40), scaled(24));
    m_keyLabel = makeLabel(QStringLiteral("keyLabel"));
    m_keyLabel->setGeometry(scaled(100), scaled(100), scaled(200), scaled(40));
    m_keyLabel->setStyleSheet(QStringLiteral("color: white; background: rgb(30, 30, 30); border: 1px solid gray;"));
    placeAnswerButtons(200);
    retranslate();
}

void KroSingleKeyWindow::retranslate()
{
    m_title->setText(tr("Single Key"));
    m_hint->setText(tr("Press the key for this button"));
    showKey();
}

void KroSingleKeyWindow::prefill(quint8 keyCode)
{
    m_key = keyCode;
    showKey();
}

void KroSingleKeyWindow::keyCaptured(quint8 keyCode, int)
{
    // Keys without a name have no HID usage either; the mouse could not send them.
    if (keyName(keyCode).isEmpty())
        return;
    m_key = keyCode;
    showKey();
    emit SetSingleKeyValue(m_key);
}

void KroSingleKeyWindow::showKey()
{
    m_keyLabel->setText(keyName(m_key));
}
