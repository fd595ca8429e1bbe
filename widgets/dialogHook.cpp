// The one entry point of modal dialogs and its test answers.
#include "widgets/dialogHook.h"

#include <QDialog>
#include <QFileDialog>
#include <QHash>
#include <QList>

namespace dialogHook {
namespace {

struct Queued {
    bool file;
    int result;
    QString path;
};

struct Hooks {
    bool installed = false;
    QList<Queued> queue;
    QHash<int, Answer> defaults;
    QList<Shown> history;
    Shown last {};
};

Hooks& hooks()
{
    static Hooks h;
    return h;
}

bool isFile(Kind kind)
{
    return kind == Kind::OpenFile || kind == Kind::SaveFile;
}

// The first queued answer that fits a dialog of this kind.
bool takeQueued(Kind kind, Queued& out)
{
    QList<Queued>& queue = hooks().queue;
    for (int i = 0; i < queue.size(); ++i) {
        if (queue[i].file == isFile(kind)) {
            out = queue.takeAt(i);
            return true;
        }
    }
    return false;
}

void record(const Shown& shown)
{
    hooks().last = shown;
    if (hooks().installed)
        hooks().history.append(shown);
}

void install()
{
    hooks().installed = true;
}

} // namespace

int exec(QDialog* dialog, Kind kind, const QStringList& texts, int boxKind)
{
    Shown shown { kind, texts, boxKind, 0, {} };
    Queued queued;
    const Answer answer = hooks().defaults.value(int(kind));
    if (takeQueued(kind, queued)) {
        shown.result = queued.result;
        dialog->setResult(shown.result);
    } else if (answer) {
        shown.result = answer(dialog);
        dialog->setResult(shown.result);
    } else {
        // Not virtual: a dialog whose exec() comes here runs the plain modal loop.
        shown.result = dialog->QDialog::exec();
    }
    record(shown);
    return shown.result;
}

QString fileName(Kind kind, QWidget* parent, const QString& caption, const QString& dir, const QString& filter)
{
    Shown shown { kind, { caption, dir, filter }, 0, QDialog::Accepted, {} };
    Queued queued;
    if (takeQueued(kind, queued))
        shown.path = queued.path;
    else if (kind == Kind::SaveFile)
        shown.path = QFileDialog::getSaveFileName(parent, caption, dir, filter);
    else
        shown.path = QFileDialog::getOpenFileName(parent, caption, dir, filter);
    if (shown.path.isEmpty())
        shown.result = QDialog::Rejected;
    record(shown);
    return shown.path;
}

void answerNext(int result)
{
    install();
    hooks().queue.append({ false, result, {} });
}

void answerNextFile(const QString& path)
{
    install();
    hooks().queue.append({ true, path.isEmpty() ? int(QDialog::Rejected) : int(QDialog::Accepted), path });
}

void answerEvery(Kind kind, int result)
{
    if (result < 0)
        answerEvery(kind, Answer());
    else
        answerEvery(kind, [result](QDialog*) { return result; });
}

void answerEvery(Kind kind, Answer answer)
{
    install();
    if (answer)
        hooks().defaults.insert(int(kind), std::move(answer));
    else
        hooks().defaults.remove(int(kind));
}

int pendingAnswers()
{
    return hooks().queue.size();
}

QList<Shown> history()
{
    return hooks().history;
}

QList<Shown> history(Kind kind)
{
    QList<Shown> shown;
    for (const Shown& s : hooks().history) {
        if (s.kind == kind)
            shown.append(s);
    }
    return shown;
}

Shown last()
{
    return hooks().last;
}

void clear()
{
    hooks() = Hooks();
}

} // namespace dialogHook
