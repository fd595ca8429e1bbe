// Runs the button dialogs modally, or hands them to a test hook that answers instead of a user.
#pragma once

#include <functional>

class QDialog;

// The hook receives the fully built dialog (it may fill its fields, feed it keys, press its
// buttons) and returns the result exec() would have returned.
using DialogAnswer = std::function<int(QDialog*)>;

// Answers every following dialog until cleared with an empty function.
void setDialogAnswer(const DialogAnswer& answer);
// Runs the dialog: through the hook when one is set, else exec().
int runDialog(QDialog* dialog);
