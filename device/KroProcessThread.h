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
    // The change groups the run sent; 0 when nothing was sent.
    int sentMask = 0;
    // False when the store reported that the configuration could not be written.
    bool filesSaved = true;

signals:
    void DoProcessDlg();

protected:
    void run() override;
};

// The apply sequence itself, on the calling thread; returns the result the worker reports, stores
// the change groups it sent in sentMask and whether the files were written in filesSaved.
quint8 applyConfiguration(bool fullSend, int* sentMask = nullptr, bool* filesSaved = nullptr);
