// Menu action in the language font.
#include "widgets/KroAction.h"

#include "widgets/skinStyle.h"

KroAction::KroAction(QObject* parent)
    : QAction(parent)
{
    applyFont();
}

KroAction::KroAction(const QString& text, QObject* parent)
    : QAction(text, parent)
{
    applyFont();
}

void KroAction::setText(const QString& text)
{
    QAction::setText(text);
    applyFont();
}

void KroAction::applyFont()
{
    setFont(skinFont());
}
