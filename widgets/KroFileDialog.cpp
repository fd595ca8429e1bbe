// File dialogs behind a queue of test answers.
#include "widgets/KroFileDialog.h"

#include <QFileDialog>
#include <QQueue>

namespace {

QQueue<QString> g_answers;
QString g_caption;
QString g_dir;
QString g_filter;

using Picker = QString (*)(QWidget*, const QString&, const QString&, const QString&, QString*, QFileDialog::Options);

// Remembers what was asked; a queued test answer stands in for the dialog.
QString answerOrAsk(QWidget* parent, const QString& caption, const QString& dir, const QString& filter, Picker pick)
{
    g_caption = caption;
    g_dir = dir;
    g_filter = filter;
    if (!g_answers.isEmpty())
        return g_answers.dequeue();
    return pick(parent, caption, dir, filter, nullptr, QFileDialog::Options());
}

} // namespace

QString KroFileDialog::getSaveFileName(
    QWidget* parent, const QString& caption, const QString& dir, const QString& filter)
{
    return answerOrAsk(parent, caption, dir, filter, &QFileDialog::getSaveFileName);
}

QString KroFileDialog::getOpenFileName(
    QWidget* parent, const QString& caption, const QString& dir, const QString& filter)
{
    return answerOrAsk(parent, caption, dir, filter, &QFileDialog::getOpenFileName);
}

void KroFileDialog::answerNext(const QString& path)
{
    g_answers.enqueue(path);
}
int KroFileDialog::pendingAnswers()
{
    return g_answers.size();
}
QString KroFileDialog::lastCaption()
{
    return g_caption;
}
QString KroFileDialog::lastDirectory()
{
    return g_dir;
}
QString KroFileDialog::lastFilter()
{
    return g_filter;
}

void KroFileDialog::clearTestHooks()
{
    g_answers.clear();
    g_caption.clear();
    g_dir.clear();
    g_filter.clear();
}
