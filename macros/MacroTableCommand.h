// One undoable change of the macro page's event table, kept as the table before and after it.
#pragma once

#include "store/macroFiles.h"

#include <QUndoCommand>

#include <functional>

// The rows of the table and its selected block (first and last selected row, -1 when none).
struct MacroTableState {
    QVector<MacroEvent> rows;
    int first = -1;
    int last = -1;
};

class MacroTableCommand : public QUndoCommand {
public:
    using Apply = std::function<void(const MacroTableState&)>;

    // The change has already been made to the table: the first redo (QUndoStack::push) does nothing.
    // Successive commands with the same merge key >= 0 (edits of one row) become one step.
    MacroTableCommand(Apply apply, MacroTableState before, MacroTableState after, int mergeKey = -1);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    Apply m_apply;
    MacroTableState m_before;
    MacroTableState m_after;
    int m_mergeKey;
    bool m_applied = true;
};
