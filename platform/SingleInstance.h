// Single instance: one running copy of the program per product name, and the hand-over from a
// second start to the running copy.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

// Claims the product's instance lock for the life of the object. A lock left behind by a process
// that died is taken over, so a crash never locks the user out. The owner of the lock listens on a
// local socket beside it, where a later start asks it to bring its window to the front.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& productName, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when no other instance for the same product name is running.
    bool isOnlyInstance() const;

    // In a later start: asks the running instance to come to the front; true once it has confirmed.
    bool activateRunning(int timeoutMs = 3000) const;

    // Where the lock of a product name lives: a folder only this user can write (the runtime folder,
    // else one of our own in the cache folder); the name is reduced to a safe file name. Empty when
    // no such folder can be had: the program then runs without the lock rather than not at all.
    static QString lockFilePath(const QString& productName);
    // The local socket beside that lock (empty like it).
    static QString socketPath(const QString& productName);

signals:
    // A later start asked for the window.
    void activationRequested();

private:
    void listen();
    void onConnection();

    struct Private;
    std::unique_ptr<Private> d;
};
