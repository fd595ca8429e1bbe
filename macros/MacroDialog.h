// The macro page: macro list, event table, recorder, hand insertion, row editing, import and export.
#pragma once

#include "macros/MacroRecorder.h"
#include "macros/MacroTableCommand.h"
#include "store/macroFiles.h"
#include "widgets/SettingsPage.h"

#include <QModelIndex>
#include <QWidget>

class KeyboardCapture;
class KroLabel;
class KroMacroItemDelegate;
class MacroRowEditor;
class KroPushButton;
class KroTreeWidget;
class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QStandardItemModel;
class QTableView;
class QTreeWidgetItem;

class MacroDialog : public QWidget, public SettingsPage {
    Q_OBJECT
public:
    using PageAction = void (MacroDialog::*)();

    explicit MacroDialog(QWidget* parent = nullptr);
    ~MacroDialog() override;

    void retranslateTexts();
    // Macros live in their own files, not in the record.
    void loadRecord(const PageRecord&) override { }
    void retranslate() override { retranslateTexts(); }
    void placeWidgets();

    QString currentMacroName() const { return m_currentName; }
    QVector<MacroEvent> rows() const;
    int currentRow() const;
    bool isRecording() const { return m_recording; }
    bool isEditing() const { return m_editing; }
    bool isBatchMode() const { return m_batch; }
    int delayType() const;
    // The recorder, whose clock tests replace.
    MacroRecorder& recorder() { return m_recorder; }
    KeyboardCapture* keyboardCapture() const { return m_capture; }

    // Adds the macro made by the gun set dialog: the name gets "_2", "_3", ... while taken, the
    // editor is reset for it (recorded delays, no loop), the rows are written, registered and loaded.
    // Returns the final name, or an empty string when 50 macros exist or the name is unusable.
    QString addGunSetMacro(const QString& chosenName, const QVector<MacroEvent>& rows);

signals:
    void EnableButtonsSignal(bool bEnable);
    // "GUN SET" was pressed and a macro can still be added; the receiver opens the gun set dialog
    // and hands its result to addGunSetMacro. The button shows only once this is connected.
    void GunSetSignal();

public slots:
    void TreeitemClick(QTreeWidgetItem* item, int column);
    void itemClicked(const QModelIndex& index);
    void EditMoveChanged(const QString& text);
    void EditDelayChanged(const QString& text);
    void DefDelayChanged(const QString& text);
    void LoopTimeChanged(const QString& text);
    void CurrentChanged(const QModelIndex& current, const QModelIndex& previous);
    void KroItemPressed();
    void checkbtn_clicked();
    void SelectRow(int row);
    // A key from the keyboard capture: to the row being edited, or to the recording.
    void onKeyCaptured(int scanCode, int flags);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void connectNotify(const QMetaMethod& signal) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void onStart();
    void onStop();
    void onNew();
    void onDeleteMacro();
    void onChangeName();
    void onImport();
    void onExport();
    void onBatch(bool bChecked);
    void onEdit();
    void onTop();
    void onBottom();
    void onMoveUp();
    void onMoveDown();
    void onDeleteRow();
    void onClear();
    void onInsertDelay();
    void onSave();
    void onCancel();
    void onGunSet();
    void onLoopClicked();
    void onEditMouseChanged(int index);
    void onEditDirectionChanged(int index);
    // Clipboard, history and recording into the rows (MacroDialogClipboard.cpp).
    void onCopy();
    void onCut();
    void onPaste();
    void onUndo();
    void onRedo();
    void onRecordAfter();

private:
    void buildWidgets();
    void buildEditPanel();
    KroPushButton* makeButton(const char* objectName, void (MacroDialog::*slot)());
    void connectSignals();

    // Macro list and files.
    void reloadList(const QString& select = QString());
    QStringList checkedMacros() const;
    void loadCurrentMacro();
    void saveCurrentMacro(MacroMark mark = MacroMark::Edited);
    // The bound buttons as the question before a delete names them.
    QString bindingNames(const QVector<MacroBinding>& bindings) const;
    void resetEditor(int delayType);
    Macro editorMacro() const;
    void showMacro(const Macro& macro);
    // The delay and loop options of the macro, not its rows.
    void showSettings(const Macro& macro);
    bool macroListFull();
    void warn(const QString& heading, const QString& message);
    void importOne(const QString& path);
    void importBatch(const QStringList& paths);

    // Rows.
    bool insertRows(const QVector<MacroEvent>& rows);
    MacroEvent delayRowMs(int milliseconds) const;
    QVector<MacroEvent> withDelay(const QVector<MacroEvent>& rows) const;
    int defaultDelayMs() const;
    void moveCurrentRow(int to);
    void fitColumns();
    void applyFonts();

    // Recording and editing.
    void setPageEnabled(bool bEnable, const QList<QWidget*>& keep);
    void setSettingsVisible(bool bVisible);
    void enableSingleMacroControls(bool bEnable);
    void fillEditPanel();
    // The current row while it is being edited and of that kind, else -1.
    int editedRow(MacroEventKind kind) const;
    void leaveEditMode();
    void stopCaptureUnlessNeeded();
    void updateGunSetVisibility();
    void startRecording(bool bAfterSelection);
    void recordKey(int scanCode, int flags);
    void warnUnreleasedKeys();
    // The page's action for a key pressed in the table, or null.
    static PageAction tableShortcut(const QKeyEvent& key);

    int m_unit;
    MacroRecorder m_recorder;
    KeyboardCapture* m_capture;
    QString m_currentName;
    bool m_recording = false;
    bool m_editing = false;
    bool m_batch = false;
    int m_lastEditScan = -1;
    int m_lastEditFlags = -1;
    bool m_loopOn[3] = { false, false, false };
    // Where the next recorded rows go, and the table when the recording began.
    int m_recordAt = 0;
    int m_recordedRows = 0;
    MacroTableState m_beforeRecording;

    QListWidget* m_list = nullptr;
    QCheckBox* m_batchBox = nullptr;
    KroLabel* m_nameLabel = nullptr;
    QLineEdit* m_nameEdit = nullptr;
    QTableView* m_table = nullptr;
    QStandardItemModel* m_model = nullptr;
    KroMacroItemDelegate* m_delegate = nullptr;
    MacroRowEditor* m_rowEditor = nullptr;
    KroLabel* m_treeLabel = nullptr;
    KroTreeWidget* m_tree = nullptr;

    QCheckBox* m_recordDelays = nullptr;
    QCheckBox* m_defaultDelayBox = nullptr;
    QLineEdit* m_defaultDelay = nullptr;
    KroPushButton* m_loop[3] = {};
    QLineEdit* m_loopTime = nullptr;

    QWidget* m_editPanel = nullptr;
    KroLabel* m_editKeyCaption = nullptr;
    KroLabel* m_editKeyLabel = nullptr;
    QComboBox* m_editMouse = nullptr;
    KroLabel* m_editMoveCaption = nullptr;
    QComboBox* m_editDirection = nullptr;
    KroLabel* m_editDistanceCaption = nullptr;
    QLineEdit* m_editDistance = nullptr;
    KroLabel* m_editDelayCaption = nullptr;
    QLineEdit* m_editDelay = nullptr;

    KroPushButton* m_start = nullptr;
    KroPushButton* m_stop = nullptr;
    KroPushButton* m_new = nullptr;
    KroPushButton* m_deleteMacro = nullptr;
    KroPushButton* m_changeName = nullptr;
    KroPushButton* m_import = nullptr;
    KroPushButton* m_export = nullptr;
    KroPushButton* m_edit = nullptr;
    KroPushButton* m_top = nullptr;
    KroPushButton* m_bottom = nullptr;
    KroPushButton* m_moveUp = nullptr;
    KroPushButton* m_moveDown = nullptr;
    KroPushButton* m_deleteRow = nullptr;
    KroPushButton* m_clear = nullptr;
    KroPushButton* m_insertDelay = nullptr;
    KroPushButton* m_save = nullptr;
    KroPushButton* m_cancel = nullptr;
    KroPushButton* m_gunSet = nullptr;
    KroPushButton* m_copy = nullptr;
    KroPushButton* m_cut = nullptr;
    KroPushButton* m_paste = nullptr;
    KroPushButton* m_undoButton = nullptr;
    KroPushButton* m_redoButton = nullptr;
    KroPushButton* m_recordAfter = nullptr;
    QList<KroPushButton*> m_buttons;
};
