// The warning box for file problems.
#include "app/fileProblemNotice.h"

#include "widgets/KroMessageBox.h"
#include "store/fileProblems.h"

#include <QTimer>
#include <QWidget>

void showFileProblems(QWidget* parent)
{
    const QString summary = fileProblemSummary(takeFileProblems());
    if (!summary.isEmpty())
        KroMessageBox::warn(parent, summary);
}

void showFileProblemsLater(QWidget* parent)
{
    QTimer::singleShot(0, parent, [parent] { showFileProblems(parent); });
}
