// File dialogs through the dialog hook.
#include "widgets/KroFileDialog.h"

#include "widgets/dialogHook.h"

QString KroFileDialog::getSaveFileName(
    QWidget* parent, const QString& caption, const QString& dir, const QString& filter)
{
    return dialogHook::fileName(dialogHook::Kind::SaveFile, parent, caption, dir, filter);
}

QString KroFileDialog::getOpenFileName(
    QWidget* parent, const QString& caption, const QString& dir, const QString& filter)
{
    return dialogHook::fileName(dialogHook::Kind::OpenFile, parent, caption, dir, filter);
}
