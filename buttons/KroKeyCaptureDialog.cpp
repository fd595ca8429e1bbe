// Key capture shared by the single, combo and fire key dialogs.
#include "buttons/KroKeyCaptureDialog.h"

#include "buttons/keyFunctions.h"

#include "store/appContext.h"

#include <QKeyEvent>
#include <QLabel>

KroKeyCaptureDialog::KroKeyCaptureDialog(QWidget* parent)
    : KroSkinDialog(parent, 400, 258, QStringLiteral("/skin/dlg.png"))
    , m_capture(new KeyboardCapture(this))
{
    // Capture lives exactly as long as the dialog.
    connect(m_capture, &KeyboardCapture::KeySignal, this, &KroKeyCaptureDialog::onKeyEvent);
    m_capture->start();
}

KroKeyCaptureDialog::~KroKeyCaptureDialog()
{
    m_capture->stop();
}

void KroKeyCaptureDialog::onKeyEvent(int scanCode, int flags)
{
    if (!capturing())
        return;
    const quint8 code = dialogKeyCode(scanCode, flags);
    if (code == m_lastCode && flags == m_lastFlags)
        return;
    m_lastCode = code;
    m_lastFlags = flags;
    keyCaptured(code, flags);
}

void KroKeyCaptureDialog::buildCaptureLayout(
    QLabel*& title, QLabel*& hint, QLabel*& display, const QString& displayName, int displayX)
{
    title = makeTitle(QStringLiteral("titleLabel"));
    hint = makeLabel(QStringLiteral("hintLabel"));
    // Two lines of room: the hints run long in some languages.
    hint->setWordWrap(true);
    hint->setGeometry(scaled(20), scaled(52), width() - scaled(40), scaled(44));
    display = makeDisplay(displayName, QRect(displayX, 100, 400 - 2 * displayX, 40));
    placeAnswerButtons(200);
}

void KroKeyCaptureDialog::resetRepeatFilter()
{
    m_lastCode = -1;
    m_lastFlags = -1;
}

bool KroKeyCaptureDialog::event(QEvent* event)
{
    // Escape and Enter are keys to capture here, not the dialog's reject/accept shortcuts.
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            event->accept();
            return true;
        }
    }
    return KroSkinDialog::event(event);
}
