// The busy window of the apply transaction: a frameless 128 x 128 square with a turning arc.
#include "app/KroProcessDialog.h"

#include "device/KroProcessThread.h"
#include "store/appContext.h"
#include "widgets/skinStyle.h"

#include <QPainter>
#include <QTimer>

KroProcessDialog::KroProcessDialog(QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
{
    setObjectName(QStringLiteral("KroProcessDialog"));
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(128, 128);
    m_background.load(appDir() + QStringLiteral("/skin/process.png"));
}

ApplyOutcome KroProcessDialog::runWorker(QWidget* parent, bool fullSend)
{
    KroProcessDialog dialog(parent);
    KroProcessThread thread;
    thread.fullSend = fullSend;
    connect(&thread, &KroProcessThread::DoProcessDlg, &dialog, &KroProcessDialog::slotProcessDlg);
    // A worker that ends without its signal must not leave the window blocked.
    connect(&thread, &QThread::finished, &dialog, &KroProcessDialog::slotProcessDlg);
    thread.start(QThread::InheritPriority);
    dialog.exec();
    thread.wait();
    ApplyOutcome outcome;
    outcome.status = int(thread.result);
    outcome.sentMask = thread.sentMask;
    return outcome;
}

void KroProcessDialog::slotProcessDlg()
{
    QTimer::singleShot(0, this, &KroProcessDialog::updateProgress);
}

void KroProcessDialog::updateProgress()
{
    accept();
}

void KroProcessDialog::reject()
{
    // Escape and close end up here; the dialog stays until the worker has reported.
}

void KroProcessDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (QWidget* owner = parentWidget())
        move(owner->geometry().center() - rect().center());
    if (!m_timer)
        m_timer = startTimer(40);
}

void KroProcessDialog::timerEvent(QTimerEvent*)
{
    m_angle = (m_angle + 12) % 360;
    update();
}

void KroProcessDialog::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (!m_background.isNull()) {
        p.drawPixmap(rect(), m_background);
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 30, 30, 220));
        p.drawRoundedRect(rect(), 12, 12);
    }
    QPen pen(QColor(255, 255, 255, 60), 8);
    p.setPen(pen);
    const QRectF ring = QRectF(rect()).adjusted(32, 32, -32, -32);
    p.drawEllipse(ring);
    pen.setColor(skinAccent());
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.drawArc(ring, -m_angle * 16, 100 * 16);
}
