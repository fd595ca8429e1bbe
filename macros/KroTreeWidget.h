// The mouse-action tree: five buttons (with PRESS DOWN / BOUNCE UP children) and four moves.
#pragma once

#include "store/macroFiles.h"

#include <QTreeWidget>

class KroTreeItem;

class KroTreeWidget : public QTreeWidget {
    Q_OBJECT
public:
    // What a tree entry stands for.
    enum Role { ButtonRole = Qt::UserRole + 1, PartRole };
    enum Part { WholeClick = 0, PressDown = 1, BounceUp = 2 };

    explicit KroTreeWidget(QWidget* parent = nullptr);

    // Top-level item 0..4 (a button in the editor's order).
    QTreeWidgetItem* buttonItem(int index) const { return topLevelItem(index); }
    KroTreeItem* moveItem(MoveDirection direction) const { return m_moves[int(direction)]; }
    // Button index (0..4) and part of an entry; -1 for a move entry.
    static int buttonOf(const QTreeWidgetItem* item);
    static int partOf(const QTreeWidgetItem* item);

    void retranslate();
    // Height that shows every top-level entry (children collapsed) with the header, in the
    // current font.
    int contentHeight() const;

private:
    KroTreeItem* m_moves[4] = {};
};
