// Starting helper programs detached from this process.
#pragma once

#include <QString>
#include <QStringList>

namespace Launcher {

// Starts program with arguments, detached. A program that cannot be found or started
// fails silently: the result says whether it started, nothing is shown to the user.
bool startDetached(const QString& program, const QStringList& arguments = {});

// True when program names an executable file or is found on PATH.
bool isAvailable(const QString& program);

} // namespace Launcher
