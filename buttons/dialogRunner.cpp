// The modal run of the button dialogs and its test hook.
#include "buttons/dialogRunner.h"

#include <QDialog>

namespace {
DialogAnswer& answerHook()
{
    static DialogAnswer hook;
    return hook;
}
} // namespace

void setDialogAnswer(const DialogAnswer& answer)
{
    answerHook() = answer;
}

int runDialog(QDialog* dialog)
{
    if (answerHook()) {
        const DialogAnswer hook = answerHook();
        const int result = hook(dialog);
        dialog->setResult(result);
        return result;
    }
    return dialog->exec();
}
