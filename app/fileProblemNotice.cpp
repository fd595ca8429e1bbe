// The warning box for file problems.
#include "app/fileProblemNotice.h"

#include "app/widgets/KroMessageBox.h"
#include "store/fileProblems.h"

#include <QTimer>
#include <QWidget>

void showFileProblems(QWidget* parent)
{
    const QStringList lines = takeFileProblemTexts();
    if (!lines.isEmpty())
        KroMessageBox::warn(parent, lines.join(QLatin1Char('\n')));
}

void showFileProblemsLater(QWidget* parent)
{
    QTimer::singleShot(0, parent, [parent] { showFileProblems(parent); });
}
