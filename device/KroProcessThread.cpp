// The apply worker thread and the apply sequence it runs.
#include "device/KroProcessThread.h"

#include "device/KroGetBatteryThread.h"
#include "device/commandSet.h"
#include "store/settings.h"

KroProcessThread::KroProcessThread(QObject* parent)
    : QThread(parent)
{
}

void KroProcessThread::run()
{
    if (isStop) {
        qDebug("isStop.");
        return;
    }
    result = applyConfiguration(fullSend, &sentMask, &filesSaved);
    emit DoProcessDlg();
}

quint8 applyConfiguration(bool fullSend, int* sentMask, bool* filesSaved)
{
    if (sentMask)
        *sentMask = 0;
    // Saved once, before the send; the send goes on when the disk is full, the caller tells the user.
    const bool saved = saveAll(currentConfig) == 0;
    if (filesSaved)
        *filesSaved = saved;
    const ChangeMask mask = computeChangeMask(currentConfig, sentConfig);
    const ChangeMask sendMask = (diffFlag() == 1 || fullSend) ? CHANGE_ALL : mask;
    if (mouseOff()) {
        // The files now hold what the mouse did not get: the next apply must send everything.
        if (mask != 0 || fullSend)
            setDiffFlag(1);
        return SEND_MOUSE_OFF;
    }
    if (sendMask == 0)
        return SEND_OK;
    if (sentMask)
        *sentMask = sendMask;
    const quint8 result = downloadConfig(currentConfig, sendMask);
    if (result == SEND_OK)
        consumeMacroWriteSigns(currentConfig);
    // Whatever the outcome: a failed send leaves the mouse unknown, so the next apply sends everything.
    sentConfig = currentConfig;
    setDiffFlag(result == SEND_OK ? 0 : 1);
    return result;
}
