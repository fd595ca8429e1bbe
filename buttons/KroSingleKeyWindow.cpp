// SINGLE KEY dialog: shows and keeps the last captured key.
#include "buttons/KroSingleKeyWindow.h"
#include "platform/keyNames.h"

#include "store/appContext.h"
#include "store/keyTable.h"

#include <QLabel>

KroSingleKeyWindow::KroSingleKeyWindow(QWidget* parent)
    : KroKeyCaptureDialog(parent)
{
    buildCaptureLayout(m_title, m_hint, m_keyLabel, QStringLiteral("keyLabel"), 100);
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
    m_keyLabel->setText(keyNames::keyCapName(m_key, keyName(m_key)));
}
