// The apply worker: saves the configuration, downloads what changed and records the outcome.
#pragma once

#include <QThread>

class KroProcessThread : public QThread {
    Q_OBJECT
public:
    explicit KroProcessThread(QObject* parent = nullptr);

    // A SendStatus, or SEND_MOUSE_OFF when the mouse was reported off; 0 before the run.
    quint8 result = 0;
    // Set before start() to force a complete download.
    bool fullSend = false;
    // Set before start() to make the run do nothing.
    bool isStop = false;

signals:
    void DoProcessDlg();

protected:
    void run() override;
};

// The apply sequence itself, on the calling thread; returns the result the worker reports.
quint8 applyConfiguration(bool fullSend);
