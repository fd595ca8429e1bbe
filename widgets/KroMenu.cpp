// Skinned context menu.
#include "widgets/KroMenu.h"

#include "widgets/KroAction.h"
#include "widgets/skinStyle.h"

KroMenu::KroMenu(QWidget* parent)
    : QMenu(parent)
{
    applyFont();
}

KroMenu::KroMenu(const QString& title, QWidget* parent)
    : QMenu(title, parent)
{
    applyFont();
}

void KroMenu::applyFont()
{
    const QFont font = skinFont();
    setFont(font);
    setStyleSheet(skinMenuStyleSheet());
    for (QAction* action : actions()) {
        if (auto* kroAction = qobject_cast<KroAction*>(action))
            kroAction->applyFont();
        else
            action->setFont(font);
    }
}
