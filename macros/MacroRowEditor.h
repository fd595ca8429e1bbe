// The event table's history and clipboard: every change of the rows as one undoable step,
// and copy, cut, paste and delete of the selected rows.
#pragma once

#include "macros/MacroTableCommand.h"

#include <QObject>

class QStandardItemModel;
class QTableView;
class QUndoStack;

class MacroRowEditor : public QObject {
    Q_OBJECT
public:
    MacroRowEditor(QTableView* view, QStandardItemModel* model, QObject* parent = nullptr);

    QUndoStack* undoStack() const { return m_undo; }
    MacroTableState state() const;
    // Shows the rows and selects first..last (nothing when first < 0).
    void apply(const MacroTableState& state);

    // Runs a change of the rows as one step of the history; changes with the same merge key >= 0
    // in a row join into one step.
    void change(const std::function<void()>& edit, int mergeKey = -1);
    // Adds a change already made to the rows (a recording) as one step.
    void changed(const MacroTableState& before, int mergeKey = -1);
    // A macro was loaded: its rows are where the history starts.
    void clearHistory();

    void undo();
    void redo();

    // The selected block as first and last row, or -1 and -1.
    int firstSelected() const;
    int lastSelected() const;
    void selectRows(int first, int last);

    void copy();
    // Copy and delete; false when nothing is selected.
    bool cut();
    // Removes the selected rows and selects the row that took their place; false when none is selected.
    bool removeSelected();
    // Inserts the copied rows after the selected block (at the end when none is selected) and selects
    // them; false, and nothing changes, when the table would hold more than `maxRows` rows.
    bool paste(int maxRows);
    const QVector<MacroEvent>& clipboard() const { return m_clipboard; }

private:
    QVector<int> selectedRows() const;

    QTableView* m_view;
    QStandardItemModel* m_model;
    QUndoStack* m_undo;
    QVector<MacroEvent> m_clipboard;
};
