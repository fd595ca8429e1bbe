// Line edit with a focus-out signal.
#include "widgets/KroLineEdit.h"

KroLineEdit::KroLineEdit(QWidget* parent)
    : QLineEdit(parent)
{
}

void KroLineEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    emit kroLostFocus();
}
