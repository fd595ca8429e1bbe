// The event table's history and clipboard: every change of the rows as one undoable step,
// and copy, cut, paste and delete of the selected rows.
#include "macros/MacroRowEditor.h"

#include "macros/macroTableRows.h"

#include <QItemSelectionModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QUndoStack>

#include <algorithm>

MacroRowEditor::MacroRowEditor(QTableView* view, QStandardItemModel* model, QObject* parent)
    : QObject(parent)
    , m_view(view)
    , m_model(model)
    , m_undo(new QUndoStack(this))
{
}

MacroTableState MacroRowEditor::state() const
{
    return { tableRows(*m_model), firstSelected(), lastSelected() };
}

void MacroRowEditor::apply(const MacroTableState& state)
{
    setTableRows(*m_model, state.rows);
    selectRows(state.first, state.last);
}

void MacroRowEditor::change(const std::function<void()>& edit, int mergeKey)
{
    const MacroTableState before = state();
    edit();
    changed(before, mergeKey);
}

void MacroRowEditor::changed(const MacroTableState& before, int mergeKey)
{
    MacroTableState after = state();
    if (after.rows == before.rows)
        return;
    m_undo->push(
        new MacroTableCommand([this](const MacroTableState& s) { apply(s); }, before, std::move(after), mergeKey));
}

void MacroRowEditor::clearHistory()
{
    m_undo->clear();
}

void MacroRowEditor::undo()
{
    m_undo->undo();
}

void MacroRowEditor::redo()
{
    m_undo->redo();
}

QVector<int> MacroRowEditor::selectedRows() const
{
    QVector<int> rows;
    for (const QModelIndex& index : m_view->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

int MacroRowEditor::firstSelected() const
{
    const QVector<int> rows = selectedRows();
    return rows.isEmpty() ? -1 : rows.first();
}

int MacroRowEditor::lastSelected() const
{
    const QVector<int> rows = selectedRows();
    return rows.isEmpty() ? -1 : rows.last();
}

void MacroRowEditor::selectRows(int first, int last)
{
    const int n = m_model->rowCount();
    QItemSelectionModel* selection = m_view->selectionModel();
    if (first < 0 || first >= n) {
        selection->clear();
        return;
    }
    last = std::clamp(last, first, n - 1);
    // The last row becomes current: that is where the next insertion goes.
    selection->setCurrentIndex(m_model->index(last, 0), QItemSelectionModel::NoUpdate);
    selection->select(QItemSelection(m_model->index(first, 0), m_model->index(last, m_model->columnCount() - 1)),
        QItemSelectionModel::ClearAndSelect);
    m_view->scrollTo(m_model->index(last, 0));
}

void MacroRowEditor::copy()
{
    const QVector<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    m_clipboard.clear();
    for (int row : rows)
        m_clipboard.append(tableRow(*m_model, row));
}

bool MacroRowEditor::cut()
{
    copy();
    return removeSelected();
}

bool MacroRowEditor::removeSelected()
{
    const QVector<int> rows = selectedRows();
    if (rows.isEmpty())
        return false;
    change([&] {
        for (auto it = rows.crbegin(); it != rows.crend(); ++it)
            m_model->removeRow(*it);
        const int next = std::min(rows.first(), m_model->rowCount() - 1);
        selectRows(next, next);
    });
    return true;
}

bool MacroRowEditor::paste(int maxRows)
{
    if (m_clipboard.isEmpty())
        return true;
    if (m_model->rowCount() + m_clipboard.size() > maxRows)
        return false;
    const int last = lastSelected();
    const int at = last < 0 ? m_model->rowCount() : last + 1;
    change([&] {
        for (int i = 0; i < m_clipboard.size(); ++i)
            insertTableRow(*m_model, at + i, m_clipboard.at(i));
        selectRows(at, at + m_clipboard.size() - 1);
    });
    return true;
}
