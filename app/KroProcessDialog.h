// The small busy window shown over the main window while the apply worker talks to the mouse.
#pragma once

#include <QDialog>

class QLabel;

// What one run of the apply worker did: its result code and the change groups it sent.
struct ApplyOutcome {
    int status = 0;
    int sentMask = 0;
};

class KroProcessDialog : public QDialog {
    Q_OBJECT
public:
    explicit KroProcessDialog(QWidget* parent = nullptr);

    // Runs the apply worker (KroProcessThread) behind this dialog over parent and returns the
    // worker's result code and what it sent, however the dialog ended.
    static ApplyOutcome runWorker(QWidget* parent, bool fullSend);

    // While the worker runs the dialog cannot be dismissed (Escape, close): only the worker ends it.
    void reject() override;

public slots:
    // Called (queued) by the worker when it is done; closes the dialog as accepted.
    void slotProcessDlg();
    void updateProgress();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    QPixmap m_background;
    int m_angle = 0;
    int m_timer = 0;
};
