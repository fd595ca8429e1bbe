// The macro page's event rows: recording, inserting by hand, reordering and editing one row.
#include "macros/KroTreeItem.h"
#include "macros/KroTreeWidget.h"
#include "macros/MacroDialog.h"
#include "macros/MacroRowEditor.h"
#include "macros/macroTableRows.h"
#include "platform/KeyboardCapture.h"
#include "store/keyTable.h"
#include "widgets/KroLabel.h"
#include "widgets/KroMessageBox.h"
#include "widgets/KroPushButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QLineEdit>
#include <QListWidget>
#include <QStandardItemModel>
#include <QTableView>

QVector<MacroEvent> MacroDialog::rows() const
{
    return tableRows(*m_model);
}

int MacroDialog::currentRow() const
{
    const QModelIndex index = m_table->currentIndex();
    return index.isValid() ? index.row() : -1;
}

int MacroDialog::delayType() const
{
    if (m_recordDelays->isChecked())
        return DELAY_RECORDED;
    return m_defaultDelayBox->isChecked() ? DELAY_DEFAULT : DELAY_NONE;
}

int MacroDialog::defaultDelayMs() const
{
    return m_defaultDelay->text().toInt();
}

void MacroDialog::SelectRow(int row)
{
    qDebug("SelectRow %d", row);
    if (row < 0 || row >= m_model->rowCount())
        return;
    m_rowEditor->selectRows(row, row);
}

void MacroDialog::checkbtn_clicked()
{
    // The two delay options exclude each other; both may be off.
    QCheckBox* clicked = qobject_cast<QCheckBox*>(sender());
    if (clicked && clicked->isChecked())
        (clicked == m_recordDelays ? m_defaultDelayBox : m_recordDelays)->setChecked(false);
}

void MacroDialog::DefDelayChanged(const QString& text)
{
    qDebug() << "DefDelayChanged" << text;
}

void MacroDialog::LoopTimeChanged(const QString& text)
{
    qDebug() << "LoopTimeChanged" << text;
}

void MacroDialog::onLoopClicked()
{
    auto* clicked = qobject_cast<KroPushButton*>(sender());
    for (int i = 0; i < 3; ++i) {
        m_loopOn[i] = m_loop[i] == clicked && !m_loopOn[i];
        m_loop[i]->setState(m_loopOn[i] ? 1 : 0);
    }
}

// ---- Inserting by hand --------------------------------------------------------------------------

MacroEvent MacroDialog::delayRowMs(int milliseconds) const
{
    return MacroEvent::delay(milliseconds, m_unit);
}

QVector<MacroEvent> MacroDialog::withDelay(const QVector<MacroEvent>& events) const
{
    QVector<MacroEvent> out;
    for (const MacroEvent& e : events) {
        out.append(e);
        if (delayType() == DELAY_RECORDED)
            out.append(delayRowMs(10));
        else if (delayType() == DELAY_DEFAULT)
            out.append(delayRowMs(defaultDelayMs()));
    }
    return out;
}

bool MacroDialog::insertRows(const QVector<MacroEvent>& events)
{
    // A group that does not fit is left out whole, so no press loses its release.
    if (m_model->rowCount() + events.size() > MACRO_MAX_ROWS) {
        warn(tr("Warning"), tr("A MACRO HOLDS AT MOST 63 EVENTS."));
        return false;
    }
    m_rowEditor->change([&] {
        int row = currentRow();
        for (const MacroEvent& e : events) {
            row = m_model->rowCount() == 0 ? 0 : row + 1;
            insertTableRow(*m_model, row, e);
            SelectRow(row);
        }
    });
    fitColumns();
    return true;
}

void MacroDialog::TreeitemClick(QTreeWidgetItem* item, int column)
{
    Q_UNUSED(column)
    const int button = KroTreeWidget::buttonOf(item);
    if (button < 0 || m_recording)
        return;
    const int part = KroTreeWidget::partOf(item);
    if (part == KroTreeWidget::WholeClick) {
        if (!item->isExpanded()) {
            m_tree->collapseAll();
            item->setExpanded(true);
            return;
        }
        insertRows(withDelay({ MacroEvent::button(button, true), MacroEvent::button(button, false) }));
        return;
    }
    insertRows(withDelay({ MacroEvent::button(button, part == KroTreeWidget::PressDown) }));
}

void MacroDialog::KroItemPressed()
{
    auto* item = qobject_cast<KroTreeItem*>(sender());
    if (!item || m_recording)
        return;
    insertRows(withDelay({ MacroEvent::move(item->direction(), item->distance()) }));
}

void MacroDialog::onInsertDelay()
{
    if (m_list->count() == 0)
        return;
    insertRows({ delayRowMs(10) });
}

// ---- Reordering and deleting --------------------------------------------------------------------

void MacroDialog::moveCurrentRow(int to)
{
    const int from = currentRow();
    m_rowEditor->change([&] {
        if (moveTableRow(*m_model, from, to))
            SelectRow(to);
    });
}

void MacroDialog::onTop()
{
    moveCurrentRow(0);
}

void MacroDialog::onBottom()
{
    moveCurrentRow(m_model->rowCount() - 1);
}

void MacroDialog::onMoveUp()
{
    moveCurrentRow(currentRow() - 1);
}

void MacroDialog::onMoveDown()
{
    if (currentRow() >= 0)
        moveCurrentRow(currentRow() + 1);
}

void MacroDialog::onDeleteRow()
{
    m_rowEditor->removeSelected();
}

void MacroDialog::onClear()
{
    m_rowEditor->change([this] { m_model->removeRows(0, m_model->rowCount()); });
}

// ---- Recording ----------------------------------------------------------------------------------

void MacroDialog::setPageEnabled(bool bEnable, const QList<QWidget*>& keep)
{
    for (KroPushButton* b : qAsConst(m_buttons)) {
        if (!keep.contains(b))
            b->setEnabled(bEnable);
    }
    for (QWidget* w : std::initializer_list<QWidget*> {
             m_list, m_batchBox, m_nameEdit, m_tree, m_recordDelays, m_defaultDelayBox, m_defaultDelay, m_loopTime }) {
        if (!keep.contains(w))
            w->setEnabled(bEnable);
    }
    if (bEnable && m_batch)
        enableSingleMacroControls(false);
}

void MacroDialog::onStart()
{
    startRecording(false);
}

void MacroDialog::startRecording(bool bAfterSelection)
{
    m_recorder.start();
    m_recording = true;
    m_start->hide();
    m_stop->show();
    m_beforeRecording = m_rowEditor->state();
    if (bAfterSelection) {
        const int last = m_rowEditor->lastSelected();
        m_recordAt = last < 0 ? m_model->rowCount() : last + 1;
    } else {
        m_model->removeRows(0, m_model->rowCount());
        m_recordAt = 0;
    }
    m_recordedRows = 0;
    if (m_list->count() == 0)
        return;
    setPageEnabled(false, { m_stop });
    emit EnableButtonsSignal(false);
    m_capture->start();
    setFocus();
}

void MacroDialog::onStop()
{
    m_recording = false;
    m_stop->hide();
    m_start->show();
    setPageEnabled(true, {});
    emit EnableButtonsSignal(true);
    m_capture->stop();
    m_rowEditor->changed(m_beforeRecording);
    warnUnreleasedKeys();
    saveCurrentMacro();
}

void MacroDialog::warnUnreleasedKeys()
{
    if (MacroRecorder::hasUnreleasedKeys(rows()))
        warn(tr("Warning"), tr("ONE OR MORE KEYS HAS NOT BEEN RELEASED."));
}

void MacroDialog::onKeyCaptured(int scanCode, int flags)
{
    if (m_editing) {
        const int row = currentRow();
        if (row < 0 || tableRow(*m_model, row).kind() != MacroEventKind::Key)
            return;
        if (scanCode == m_lastEditScan && flags == m_lastEditFlags)
            return;
        m_lastEditScan = scanCode;
        m_lastEditFlags = flags;
        setFocus();
        const int code = MacroRecorder::keyCode(scanCode, MacroRecorder::normalizedFlags(flags));
        quint8 usage = 0;
        if (!hidUsageForKey(code, usage))
            return;
        MacroEvent e = tableRow(*m_model, row);
        e.dataL = usage;
        m_rowEditor->change([&] { setTableRow(*m_model, row, e); }, row);
        m_editKeyLabel->setText(keyName(code));
        fitColumns();
        return;
    }
    if (m_recording)
        recordKey(scanCode, flags);
}

// ---- Editing one row ----------------------------------------------------------------------------

void MacroDialog::setSettingsVisible(bool bVisible)
{
    for (QWidget* w : std::initializer_list<QWidget*> {
             m_recordDelays, m_defaultDelayBox, m_defaultDelay, m_loop[0], m_loop[1], m_loop[2], m_loopTime })
        w->setVisible(bVisible);
    m_editPanel->setVisible(!bVisible);
    updateGunSetVisibility();
}

void MacroDialog::onEdit()
{
    if (currentRow() < 0 || m_recording)
        return;
    m_editing = true;
    setSettingsVisible(false);
    setPageEnabled(false, { m_save, m_cancel });
    emit EnableButtonsSignal(false);
    fillEditPanel();
}

void MacroDialog::CurrentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    Q_UNUSED(current)
    Q_UNUSED(previous)
    if (m_editing)
        fillEditPanel();
}

void MacroDialog::fillEditPanel()
{
    for (QWidget* w : m_editPanel->findChildren<QWidget*>())
        w->hide();
    const int row = currentRow();
    if (row < 0)
        return;
    const MacroEvent e = tableRow(*m_model, row);
    switch (e.kind()) {
    case MacroEventKind::Key: {
        qDebug("CurrentChanged 1");
        quint8 code = 0;
        m_editKeyLabel->setText(keyForHidUsage(e.dataL, code) ? keyName(code) : QString());
        m_editKeyCaption->show();
        m_editKeyLabel->show();
        m_lastEditScan = m_lastEditFlags = -1;
        m_capture->start();
        setFocus();
        break;
    }
    case MacroEventKind::Button:
        qDebug("CurrentChanged 2");
        m_editMouse->setCurrentIndex(std::max(macroButtonIndex(e.dataL), 0));
        m_editKeyCaption->show();
        m_editMouse->show();
        break;
    case MacroEventKind::Move: {
        qDebug("CurrentChanged 3");
        m_capture->stop();
        const MacroMove move = decodeMove(e);
        m_editDirection->setCurrentIndex(int(move.direction));
        {
            const QSignalBlocker block(m_editDistance);
            m_editDistance->setText(QString::number(move.distance));
        }
        for (QWidget* w : std::initializer_list<QWidget*> {
                 m_editMoveCaption, m_editDirection, m_editDistanceCaption, m_editDistance })
            w->show();
        break;
    }
    case MacroEventKind::Delay: {
        qDebug("CurrentChanged 4");
        const QSignalBlocker block(m_editDelay);
        m_editDelay->setText(QString::number(delayMilliseconds(e, m_unit)));
        m_editDelayCaption->show();
        m_editDelay->show();
        break;
    }
    case MacroEventKind::Invalid:
        break;
    }
    if (e.kind() != MacroEventKind::Key)
        stopCaptureUnlessNeeded();
}

void MacroDialog::stopCaptureUnlessNeeded()
{
    if (!m_recording)
        m_capture->stop();
}

int MacroDialog::editedRow(MacroEventKind kind) const
{
    const int row = currentRow();
    return m_editing && row >= 0 && tableRow(*m_model, row).kind() == kind ? row : -1;
}

void MacroDialog::onEditMouseChanged(int index)
{
    const int row = editedRow(MacroEventKind::Button);
    if (row < 0)
        return;
    MacroEvent e = tableRow(*m_model, row);
    e.dataL = macroButtonBit(index);
    m_rowEditor->change([&] { setTableRow(*m_model, row, e); }, row);
    fitColumns();
}

void MacroDialog::onEditDirectionChanged(int index)
{
    const int row = editedRow(MacroEventKind::Move);
    if (row < 0)
        return;
    const int distance = std::clamp(m_editDistance->text().toInt(), 1, MACRO_MAX_MOVE);
    m_rowEditor->change([&] { setTableRow(*m_model, row, MacroEvent::move(MoveDirection(index & 3), distance)); }, row);
    fitColumns();
}

void MacroDialog::EditMoveChanged(const QString& text)
{
    const int row = editedRow(MacroEventKind::Move);
    if (row < 0)
        return;
    const int distance = text.toInt();
    if (distance < 1 || distance > MACRO_MAX_MOVE)
        return;
    const MacroEvent e = MacroEvent::move(MoveDirection(m_editDirection->currentIndex() & 3), distance);
    m_rowEditor->change([&] { setTableRow(*m_model, row, e); }, row);
    fitColumns();
}

void MacroDialog::EditDelayChanged(const QString& text)
{
    const int row = editedRow(MacroEventKind::Delay);
    if (row < 0)
        return;
    const int ms = text.toInt();
    if (ms < 10 || ms > 65535)
        return;
    m_rowEditor->change([&] { setTableRow(*m_model, row, delayRowMs(ms)); }, row);
    fitColumns();
}

void MacroDialog::leaveEditMode()
{
    m_editing = false;
    m_capture->stop();
    setSettingsVisible(true);
    setPageEnabled(true, {});
    emit EnableButtonsSignal(true);
}

void MacroDialog::onSave()
{
    if (m_recording)
        return;
    if (m_list->count() > 0) {
        // Cut and paste can part a press from its release, as a recording can.
        warnUnreleasedKeys();
        saveCurrentMacro();
    }
    if (m_editing)
        leaveEditMode();
}

void MacroDialog::onCancel()
{
    if (m_recording)
        return;
    const int row = currentRow();
    // Going back to the file is one more step of the history, so a slip of the hand can be undone.
    Macro m;
    if (!m_currentName.isEmpty())
        loadMacro(m_currentName, m);
    showSettings(m);
    m_rowEditor->change([&] {
        setTableRows(*m_model, m.events);
        SelectRow(m_model->rowCount() - 1);
    });
    fitColumns();
    if (m_editing) {
        leaveEditMode();
        SelectRow(std::min(row, m_model->rowCount() - 1));
    }
}
