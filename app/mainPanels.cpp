// The settings panels hosted by the main window: creation, places, signals, refresh from the
// current profile, collecting their working values at apply, and the apply transaction.
#include "app/MousecfgWidget.h"

#include "app/KroProcessDialog.h"
#include "app/widgets/KroPushButton.h"
#include "device/KroProcessThread.h"
#include "device/transaction.h"
#include "store/MouseConfig.h"
#include "store/appContext.h"
#include "store/deviceDescription.h"
#include "store/settings.h"

#include <QScrollArea>

void MousecfgWidget::createPanels()
{
    m_buttonArea = new QScrollArea(this);
    m_buttonArea->setObjectName(QStringLiteral("buttonArea"));
    m_buttonArea->setFrameShape(QFrame::NoFrame);
    m_buttonArea->setStyleSheet(QStringLiteral("QScrollArea{background:transparent;}"));
    m_buttonArea->viewport()->setAutoFillBackground(false);
    m_places.append({ m_buttonArea, QRect(285, 90, 332, 442) });
}

void MousecfgWidget::connectPanels() { }

void MousecfgWidget::refreshPanels()
{
    for (int i = 0; i < PROFILE_COUNT; ++i)
        m_slotIndicators[i]->setState(i == currentConfig.ProfileID ? 1 : 0);
}

void MousecfgWidget::gatherPanels() { }

void MousecfgWidget::selectButtonInPanel(int index)
{
    Q_UNUSED(index);
}

int MousecfgWidget::runApplyTransaction(bool gatherPanels, bool fullSend)
{
    if (gatherPanels)
        this->gatherPanels();
    KroProcessDialog dialog(this);
    KroProcessThread thread;
    thread.fullSend = fullSend;
    connect(&thread, &KroProcessThread::DoProcessDlg, &dialog, &KroProcessDialog::slotProcessDlg);
    thread.start(QThread::InheritPriority);
    const int accepted = dialog.exec();
    thread.wait();
    return accepted == QDialog::Accepted ? thread.result : SEND_OK;
}
