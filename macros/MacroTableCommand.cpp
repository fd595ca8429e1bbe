// One undoable change of the macro page's event table, kept as the table before and after it.
#include "macros/MacroTableCommand.h"

namespace {

constexpr int kRowEditId = 1;

} // namespace

MacroTableCommand::MacroTableCommand(Apply apply, MacroTableState before, MacroTableState after, int mergeKey)
    : m_apply(std::move(apply))
    , m_before(std::move(before))
    , m_after(std::move(after))
    , m_mergeKey(mergeKey)
{
}

void MacroTableCommand::undo()
{
    m_apply(m_before);
    m_applied = false;
}

void MacroTableCommand::redo()
{
    if (!m_applied)
        m_apply(m_after);
    m_applied = true;
}

int MacroTableCommand::id() const
{
    return m_mergeKey < 0 ? -1 : kRowEditId;
}

bool MacroTableCommand::mergeWith(const QUndoCommand* other)
{
    const auto* next = static_cast<const MacroTableCommand*>(other);
    if (next->m_mergeKey != m_mergeKey)
        return false;
    m_after = next->m_after;
    // Edited back to where it started: nothing left to undo.
    setObsolete(m_after.rows == m_before.rows);
    return true;
}
