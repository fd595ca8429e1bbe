// Every modal dialog of the program runs through here: shown to the user, or answered by a test hook
// (a queue of answers and per-kind defaults) without showing anything.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QDialog;
class QWidget;

namespace dialogHook {

enum class Kind { Message, OpenFile, SaveFile, Colour, Dialog };

// A dialog that ran while a test hook was installed: its kind, its texts (a message box: heading
// and message; a file dialog: caption, directory and filter), the box kind of a message box, and
// the answer (the result code, or the path of a file dialog).
struct Shown {
    Kind kind;
    QStringList texts;
    int boxKind;
    int result;
    QString path;
};

// Gets the fully built dialog (it may fill its fields, press its buttons) and returns the result
// exec() would have returned.
using Answer = std::function<int(QDialog*)>;

// Runs the dialog modally, or hands it to the test hook. boxKind and texts only go to the history.
int exec(QDialog* dialog, Kind kind, const QStringList& texts = {}, int boxKind = 0);
// A file dialog (OpenFile or SaveFile); an empty result means cancelled.
QString fileName(Kind kind, QWidget* parent, const QString& caption, const QString& dir, const QString& filter);

// Test hooks. Queued answers go to the next dialog they fit (a result to the next box or dialog,
// a path to the next file dialog); a dialog without one takes its kind's default, if set.
void answerNext(int result);
void answerNextFile(const QString& path);
void answerEvery(Kind kind, int result); // -1: that kind runs for real again
void answerEvery(Kind kind, Answer answer);
int pendingAnswers();
// Recorded only while a hook is installed (from the first hook call until clear()).
QList<Shown> history();
QList<Shown> history(Kind kind);
// The last dialog asked for, answered or not.
Shown last();
void clear();

} // namespace dialogHook
