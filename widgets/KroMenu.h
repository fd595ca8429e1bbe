// Skinned context menu: accent-coloured style sheet and the language font.
#pragma once

#include <QMenu>

class KroMenu : public QMenu {
    Q_OBJECT
public:
    explicit KroMenu(QWidget* parent = nullptr);
    KroMenu(const QString& title, QWidget* parent = nullptr);

public slots:
    // Re-applies the language font to the menu and its actions, and the menu style sheet.
    void applyFont();
};
