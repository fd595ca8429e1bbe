// Options several commands share.
#pragma once

#include <QStringList>

// Takes "--profile N" (N = 1..5) out of arguments into profile (0-based). Returns false with the
// reason in error when N is missing or out of range; profile is untouched without the option.
bool takeProfileOption(QStringList& arguments, int& profile, QString& error);
// Takes a flag such as "--json" out of arguments; true when it was there.
bool takeFlag(QStringList& arguments, const char* flag);
