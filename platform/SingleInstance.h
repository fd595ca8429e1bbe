// Single instance: one running copy of the program per product name.
#pragma once

#include <QString>
#include <memory>

// Claims the product's instance lock for the life of the object. A lock left behind by a process
// that died is taken over, so a crash never locks the user out.
class SingleInstance {
public:
    explicit SingleInstance(const QString& productName);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when no other instance for the same product name is running.
    bool isOnlyInstance() const;

    // Where the lock of a product name lives: a folder only this user can write (the runtime folder,
    // else one of our own in the cache folder); the name is reduced to a safe file name. Empty when
    // no such folder can be had: the program then runs without the lock rather than not at all.
    static QString lockFilePath(const QString& productName);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
