// The macro page's clipboard and history of the event table, its shortcuts, and recording
// into the middle of a macro.
#include "macros/MacroDialog.h"
#include "macros/MacroRowEditor.h"
#include "macros/macroTableRows.h"
#include "platform/KeyboardCapture.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QStandardItemModel>
#include <QTableView>

namespace {

struct TableShortcut {
    QKeySequence::StandardKey key;
    MacroDialog::PageAction action;
};

} // namespace

MacroDialog::PageAction MacroDialog::tableShortcut(const QKeyEvent& key)
{
    const TableShortcut shortcuts[] = {
        { QKeySequence::Copy, &MacroDialog::onCopy },
        { QKeySequence::Cut, &MacroDialog::onCut },
        { QKeySequence::Paste, &MacroDialog::onPaste },
        { QKeySequence::Delete, &MacroDialog::onDeleteRow },
        { QKeySequence::Undo, &MacroDialog::onUndo },
        { QKeySequence::Redo, &MacroDialog::onRedo },
    };
    for (const TableShortcut& s : shortcuts) {
        if (key.matches(s.key))
            return s.action;
    }
    // Ctrl+Shift+Z redoes on every desktop, whatever its own redo key is.
    const Qt::KeyboardModifiers mods = key.modifiers() & ~Qt::KeypadModifier;
    if (key.key() == Qt::Key_Z && mods == (Qt::ControlModifier | Qt::ShiftModifier))
        return &MacroDialog::onRedo;
    return nullptr;
}

bool MacroDialog::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched != m_table || (type != QEvent::KeyPress && type != QEvent::ShortcutOverride))
        return QWidget::eventFilter(watched, event);
    // While recording or editing a row the keys belong to the macro, not to the page.
    if (m_recording || m_editing)
        return false;
    const PageAction action = tableShortcut(*static_cast<QKeyEvent*>(event));
    if (!action)
        return false;
    // Taken here rather than by a window shortcut of the same keys.
    event->accept();
    if (type == QEvent::KeyPress)
        (this->*action)();
    return true;
}

void MacroDialog::onCopy()
{
    if (!m_recording && !m_editing)
        m_rowEditor->copy();
}

void MacroDialog::onCut()
{
    if (!m_recording && !m_editing)
        m_rowEditor->cut();
}

void MacroDialog::onPaste()
{
    if (m_recording || m_editing || m_list->count() == 0)
        return;
    if (!m_rowEditor->paste(MACRO_MAX_ROWS))
        warn(tr("Warning"), tr("A MACRO HOLDS AT MOST 63 EVENTS."));
    fitColumns();
}

void MacroDialog::onUndo()
{
    if (m_recording || m_editing)
        return;
    m_rowEditor->undo();
    fitColumns();
}

void MacroDialog::onRedo()
{
    if (m_recording || m_editing)
        return;
    m_rowEditor->redo();
    fitColumns();
}

void MacroDialog::onRecordAfter()
{
    if (!m_recording && !m_editing)
        startRecording(true);
}

void MacroDialog::recordKey(int scanCode, int flags)
{
    // The recorder's own limits count this recording's rows; the macro as a whole holds 63.
    const QVector<MacroEvent> added
        = m_recorder.keyEvent(scanCode, flags, m_recordedRows, delayType(), defaultDelayMs());
    if (added.isEmpty())
        return;
    setFocus();
    if (m_model->rowCount() + added.size() > MACRO_MAX_ROWS) {
        // The capture ends first: the keys that close the box are not part of the macro.
        m_capture->stop();
        warn(tr("Warning"), tr("A MACRO HOLDS AT MOST 63 EVENTS."));
        onStop();
        return;
    }
    for (const MacroEvent& e : added)
        insertTableRow(*m_model, m_recordAt++, e);
    m_recordedRows += added.size();
    SelectRow(m_recordAt - 1);
}
