// File dialogs behind a queue of test answers.
#include "app/widgets/KroFileDialog.h"

#include <QFileDialog>
#include <QQueue>

namespace {

QQueue<QString> g_answers;
QString g_caption;
QString g_dir;
QString g_filter;

bool takeAnswer(const QString& caption, const QString& dir, const QString& filter, QString& answer)
{
    g_caption = caption;
    g_dir = dir;
    g_filter = filter;
    if (g_answers.isEmpty())
        return false;
    answer = g_answers.dequeue();
    return true;
}

} // namespace

QString KroFileDialog::getSaveFileName(
    QWidget* parent, const QString& caption, const QString& dir, const QString& filter)
{
    QString answer;
    if (takeAnswer(caption, dir, filter, answer))
        return answer;
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}

QString KroFileDialog::getOpenFileName(
    QWidget* parent, const QString& caption, const QString& dir, const QString& filter)
{
    QString answer;
    if (takeAnswer(caption, dir, filter, answer))
        return answer;
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
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
