// The macro page: construction, layout, texts, the macro list, and import/export of macro files.
#include "macros/MacroDialog.h"

#include "macros/KroMacroItemDelegate.h"
#include "macros/KroTreeItem.h"
#include "macros/KroTreeWidget.h"
#include "macros/MacroFileDialogs.h"
#include "macros/MacroRowEditor.h"
#include "macros/macroLook.h"
#include "macros/macroTableRows.h"
#include "platform/KeyboardCapture.h"
#include "store/appContext.h"
#include "store/deviceDescription.h"
#include "widgets/KroFileDialog.h"
#include "widgets/KroLabel.h"
#include "widgets/KroMessageBox.h"
#include "widgets/KroPushButton.h"
#include "widgets/skinStyle.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHeaderView>
#include <QIntValidator>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaMethod>
#include <QPainter>

#include <QStandardItemModel>
#include <QTableView>
#include <cmath>

#include <vector>

namespace {

const QStringList kTabImages { QStringLiteral("/skin/tabbutton-1.png"), QStringLiteral("/skin/tabbutton-3.png"),
    QStringLiteral("/skin/tabbutton-2.png") };
const char* const kMacroFilter = QT_TRANSLATE_NOOP("MacroDialog", "Macro File(*.MSMACRO)");

// Button slots as the button page groups them: front 0-19, side 20-39, then the wheel pair.
constexpr int SIDE_FIRST_SLOT = 20;
constexpr int WHEEL_UP_SLOT = 40;
constexpr int WHEEL_DOWN_SLOT = 41;

// Every rectangle of the page at scale 1.0.
void place(QWidget* w, int x, int y, int width, int height)
{
    w->setGeometry(scaled(x), scaled(y), scaled(width), scaled(height));
}

// Room each skin button's caption needs, ends included.
int captionWidth(const KroPushButton* button)
{
    return QFontMetrics(skinFont()).horizontalAdvance(button->text()) + scaled(8);
}

// Whether the buttons' captions fit side by side in the width (at scale 1.0).
bool rowFits(const std::vector<KroPushButton*>& row, int width)
{
    int total = scaled(3) * (int(row.size()) - 1);
    for (const KroPushButton* button : row)
        total += captionWidth(button);
    return total <= scaled(width);
}

// A row of skin buttons across the width: each gets its caption's width and the rest is shared out
// evenly, so long translations take room from short ones instead of being cut off.
void placeRow(const std::vector<KroPushButton*>& row, int x, int y, int width, int height)
{
    const int gap = scaled(3);
    const int count = int(row.size());
    const int inner = scaled(width) - gap * (count - 1);
    int total = 0;
    for (const KroPushButton* button : row)
        total += captionWidth(button);
    int left = scaled(x);
    for (KroPushButton* button : row) {
        const int w = total <= inner ? captionWidth(button) + (inner - total) / count : inner / count;
        button->setGeometry(left, scaled(y), w, scaled(height));
        left += w + gap;
    }
}

} // namespace

MacroDialog::MacroDialog(QWidget* parent)
    : QWidget(parent)
    , m_unit(macroDelayUnit())
    , m_recorder(m_unit)
    , m_capture(new KeyboardCapture(this))
{
    setObjectName(QStringLiteral("macroPage"));
    setFocusPolicy(Qt::ClickFocus);
    buildWidgets();
    connectSignals();
    reloadList();
    retranslateTexts();
    loadCurrentMacro();
    setSettingsVisible(true);
    placeWidgets();
}

MacroDialog::~MacroDialog() = default;

KroPushButton* MacroDialog::makeButton(const char* objectName, void (MacroDialog::*slot)())
{
    auto* button = new KroPushButton(kTabImages, this);
    button->setObjectName(QLatin1String(objectName));
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QPushButton::clicked, this, slot);
    m_buttons.append(button);
    return button;
}

void MacroDialog::buildWidgets()
{
    m_batchBox = new QCheckBox(this);
    m_batchBox->setObjectName(QStringLiteral("macroBatch"));
    m_batchBox->setStyleSheet(macroCheckStyleSheet());
    m_batchBox->setFocusPolicy(Qt::NoFocus);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("macroList"));
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setStyleSheet(QStringLiteral("QListWidget{background:rgb(30,30,30);color:white;border:1px solid "
                                         "rgb(70,70,70)}QListWidget::item:selected{background:%1}")
                              .arg(skinAccent().darker(160).name())
        + macroScrollBarStyleSheet());

    m_nameLabel = new KroLabel(this);
    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setObjectName(QStringLiteral("macroNameEdit"));
    m_nameEdit->setStyleSheet(macroEditStyleSheet());
    m_nameEdit->setMaxLength(100);

    m_model = new QStandardItemModel(0, 3, this);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("macroTable"));
    m_table->setModel(m_model);
    m_delegate = new KroMacroItemDelegate(m_unit, m_table);
    m_table->setItemDelegate(m_delegate);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Shift and Ctrl pick a block of rows for copy, cut and delete.
    m_table->setSelectionMode(QAbstractItemView::ContiguousSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A click gives the table the focus so that its shortcuts work; recording moves it away again.
    m_table->setFocusPolicy(Qt::ClickFocus);
    m_table->installEventFilter(this);
    m_rowEditor = new MacroRowEditor(m_table, m_model, this);
    m_table->verticalHeader()->hide();
    // The last column takes the rest of the width: no bare header area at the right end.
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setShowGrid(false);
    m_table->setStyleSheet(QStringLiteral("QTableView{background:rgb(30,30,30);border:1px solid rgb(70,70,70)}")
        + macroScrollBarStyleSheet());

    m_treeLabel = new KroLabel(this);
    m_tree = new KroTreeWidget(this);

    m_recordDelays = new QCheckBox(this);
    m_recordDelays->setObjectName(QStringLiteral("macroRecordDelays"));
    m_defaultDelayBox = new QCheckBox(this);
    m_defaultDelayBox->setObjectName(QStringLiteral("macroDefaultDelayCheck"));
    for (QCheckBox* box : { m_recordDelays, m_defaultDelayBox }) {
        box->setStyleSheet(macroCheckStyleSheet());
        box->setFocusPolicy(Qt::NoFocus);
    }
    m_defaultDelay = new QLineEdit(QStringLiteral("10"), this);
    m_defaultDelay->setObjectName(QStringLiteral("macroDefaultDelay"));
    m_defaultDelay->setValidator(new QIntValidator(0, 65535, m_defaultDelay));
    m_loopTime = new QLineEdit(QStringLiteral("1"), this);
    m_loopTime->setObjectName(QStringLiteral("macroLoopTime"));
    m_loopTime->setValidator(new QIntValidator(1, 255, m_loopTime));
    for (QLineEdit* edit : { m_defaultDelay, m_loopTime })
        edit->setStyleSheet(macroEditStyleSheet());
    const char* loopNames[3] = { "macroLoopTimes", "macroLoopWhileDown", "macroLoopUntilDown" };
    for (int i = 0; i < 3; ++i)
        m_loop[i] = makeButton(loopNames[i], &MacroDialog::onLoopClicked);

    m_start = makeButton("macroStart", &MacroDialog::onStart);
    m_stop = makeButton("macroStop", &MacroDialog::onStop);
    m_new = makeButton("macroNew", &MacroDialog::onNew);
    m_deleteMacro = makeButton("macroDelete", &MacroDialog::onDeleteMacro);
    m_changeName = makeButton("macroChangeName", &MacroDialog::onChangeName);
    m_import = makeButton("macroImport", &MacroDialog::onImport);
    m_export = makeButton("macroExport", &MacroDialog::onExport);
    m_edit = makeButton("macroEdit", &MacroDialog::onEdit);
    m_top = makeButton("macroTop", &MacroDialog::onTop);
    m_bottom = makeButton("macroBottom", &MacroDialog::onBottom);
    m_moveUp = makeButton("macroMoveUp", &MacroDialog::onMoveUp);
    m_moveDown = makeButton("macroMoveDown", &MacroDialog::onMoveDown);
    m_deleteRow = makeButton("macroDeleteRow", &MacroDialog::onDeleteRow);
    m_clear = makeButton("macroClear", &MacroDialog::onClear);
    m_insertDelay = makeButton("macroInsertDelay", &MacroDialog::onInsertDelay);
    m_save = makeButton("macroSave", &MacroDialog::onSave);
    m_cancel = makeButton("macroCancel", &MacroDialog::onCancel);
    m_gunSet = makeButton("macroGunSet", &MacroDialog::onGunSet);
    m_copy = makeButton("macroCopy", &MacroDialog::onCopy);
    m_cut = makeButton("macroCut", &MacroDialog::onCut);
    m_paste = makeButton("macroPaste", &MacroDialog::onPaste);
    m_undoButton = makeButton("macroUndo", &MacroDialog::onUndo);
    m_redoButton = makeButton("macroRedo", &MacroDialog::onRedo);
    m_recordAfter = makeButton("macroRecordAfter", &MacroDialog::onRecordAfter);
    m_stop->hide();
    m_gunSet->hide();
    buildEditPanel();
}

void MacroDialog::buildEditPanel()
{
    m_editPanel = new QWidget(this);
    m_editPanel->setObjectName(QStringLiteral("macroEditPanel"));
    m_editKeyCaption = new KroLabel(m_editPanel);
    m_editKeyLabel = new KroLabel(m_editPanel);
    m_editKeyLabel->setObjectName(QStringLiteral("macroEditKeyLabel"));
    m_editKeyLabel->setDarkBackground(true);
    m_editMouse = new QComboBox(m_editPanel);
    m_editMouse->setObjectName(QStringLiteral("macroEditMouse"));
    m_editMoveCaption = new KroLabel(m_editPanel);
    m_editDirection = new QComboBox(m_editPanel);
    m_editDirection->setObjectName(QStringLiteral("macroEditDirection"));
    m_editDistanceCaption = new KroLabel(m_editPanel);
    m_editDistance = new QLineEdit(m_editPanel);
    m_editDistance->setObjectName(QStringLiteral("macroEditDistance"));
    m_editDistance->setValidator(new QIntValidator(1, MACRO_MAX_MOVE, m_editDistance));
    m_editDistance->setMaxLength(3);
    m_editDelayCaption = new KroLabel(m_editPanel);
    m_editDelay = new QLineEdit(m_editPanel);
    m_editDelay->setObjectName(QStringLiteral("macroEditDelay"));
    m_editDelay->setValidator(new QIntValidator(10, 65535, m_editDelay));
    m_editDelay->setMaxLength(5);
    for (QLineEdit* edit : { m_editDistance, m_editDelay })
        edit->setStyleSheet(macroEditStyleSheet());
    for (int i = 0; i < MACRO_BUTTON_COUNT; ++i)
        m_editMouse->addItem(QString());
    for (int d = 0; d < 4; ++d)
        m_editDirection->addItem(QString());
    m_editPanel->hide();
}

void MacroDialog::connectSignals()
{
    connect(m_capture, &KeyboardCapture::KeySignal, this, &MacroDialog::onKeyCaptured);
    connect(m_list, &QListWidget::clicked, this, &MacroDialog::itemClicked);
    connect(m_batchBox, &QCheckBox::toggled, this, &MacroDialog::onBatch);
    connect(m_tree, &QTreeWidget::itemClicked, this, &MacroDialog::TreeitemClick);
    for (int d = 0; d < 4; ++d)
        connect(m_tree->moveItem(MoveDirection(d)), &KroTreeItem::KroMousePressed, this, &MacroDialog::KroItemPressed);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, this, &MacroDialog::CurrentChanged);
    connect(m_recordDelays, &QCheckBox::clicked, this, &MacroDialog::checkbtn_clicked);
    connect(m_defaultDelayBox, &QCheckBox::clicked, this, &MacroDialog::checkbtn_clicked);
    connect(m_defaultDelay, &QLineEdit::textChanged, this, &MacroDialog::DefDelayChanged);
    connect(m_loopTime, &QLineEdit::textChanged, this, &MacroDialog::LoopTimeChanged);
    connect(m_editDistance, &QLineEdit::textChanged, this, &MacroDialog::EditMoveChanged);
    connect(m_editDelay, &QLineEdit::textChanged, this, &MacroDialog::EditDelayChanged);
    connect(m_editMouse, QOverload<int>::of(&QComboBox::activated), this, &MacroDialog::onEditMouseChanged);
    connect(m_editDirection, QOverload<int>::of(&QComboBox::activated), this, &MacroDialog::onEditDirectionChanged);
}

void MacroDialog::retranslateTexts()
{
    const std::pair<KroPushButton*, const char*> texts[] = {
        { m_start, QT_TR_NOOP("START") },
        { m_stop, QT_TR_NOOP("STOP") },
        { m_new, QT_TR_NOOP("NEW") },
        { m_deleteMacro, QT_TR_NOOP("DELETE") },
        { m_changeName, QT_TR_NOOP("CHANGE NAME") },
        { m_import, QT_TR_NOOP("IMPORT") },
        { m_export, QT_TR_NOOP("EXPORT") },
        { m_edit, QT_TR_NOOP("EDIT") },
        { m_top, QT_TR_NOOP("TOP") },
        { m_bottom, QT_TR_NOOP("BOTTOM") },
        { m_moveUp, QT_TR_NOOP("MOVE UP") },
        { m_moveDown, QT_TR_NOOP("MOVE DOWN") },
        { m_deleteRow, QT_TR_NOOP("DELETE") },
        { m_clear, QT_TR_NOOP("CLEAR") },
        { m_insertDelay, QT_TR_NOOP("INSERT DELAY") },
        { m_save, QT_TR_NOOP("SAVE") },
        { m_cancel, QT_TR_NOOP("CANCEL") },
        { m_gunSet, QT_TR_NOOP("GUN SET") },
        { m_copy, QT_TR_NOOP("COPY") },
        { m_cut, QT_TR_NOOP("CUT") },
        { m_paste, QT_TR_NOOP("PASTE") },
        { m_undoButton, QT_TR_NOOP("UNDO") },
        { m_redoButton, QT_TR_NOOP("REDO") },
        { m_recordAfter, QT_TR_NOOP("RECORD AFTER") },
        { m_loop[0], QT_TR_NOOP("LOOPS TIME(1-255)") },
        { m_loop[1], QT_TR_NOOP("REPEAT RUN WHEN KEY DOWN") },
        { m_loop[2], QT_TR_NOOP("REPEAT RUN UNTIL THE KEY DOWN") },
    };
    for (const auto& t : texts)
        t.first->setText(tr(t.second));
    m_batchBox->setText(tr("BATCH"));
    m_nameLabel->setText(tr("MACRO NAME"));
    m_treeLabel->setText(tr("MOUSE COMMAND"));
    m_recordDelays->setText(tr("RECORD DELAYS BETWEEN ACTION"));
    m_defaultDelayBox->setText(tr("INSERT DEFAULT DELAY"));
    m_model->setHorizontalHeaderLabels({ tr("KEY"), tr("ACTION"), tr("DELAY(ms)") });
    m_editKeyCaption->setText(tr("KEY"));
    m_editMoveCaption->setText(tr("MOVEMENT"));
    m_editDistanceCaption->setText(tr("DISTANCE"));
    m_editDelayCaption->setText(tr("DELAY"));
    for (int i = 0; i < MACRO_BUTTON_COUNT; ++i)
        m_editMouse->setItemText(i, macroButtonName(i));
    for (int d = 0; d < 4; ++d)
        m_editDirection->setItemText(d, moveDirectionName(MoveDirection(d)));
    m_tree->retranslate();
    updateGunSetVisibility();
}

void MacroDialog::placeWidgets()
{
    applyFonts();
    // The tree shows every entry: where the language's text is taller it takes height from the
    // macro list above it (heights at scale 1.0).
    const int treeHeight = qMax(191, int(std::ceil(m_tree->contentHeight() / scaleFactor())));
    const int lift = qMin(treeHeight - 191, 60);
    const int treeTop = 276 - lift;
    place(m_batchBox, 0, 0, 150, 22);
    // The list buttons go two by two when their captions fit, else one above the other.
    if (rowFits({ m_new, m_deleteMacro }, 150) && rowFits({ m_import, m_export }, 150)) {
        place(m_list, 0, 24, 150, 166 - lift);
        placeRow({ m_new, m_deleteMacro }, 0, 194 - lift, 150, 26);
        placeRow({ m_import, m_export }, 0, 224 - lift, 150, 26);
    } else {
        place(m_list, 0, 24, 150, 118 - lift);
        KroPushButton* const column[] = { m_new, m_deleteMacro, m_import, m_export };
        for (int i = 0; i < 4; ++i)
            place(column[i], 0, 146 - lift + 27 * i, 150, 25);
    }
    place(m_treeLabel, 0, treeTop - 20, 150, 18);
    place(m_tree, 0, treeTop, 150, 467 - treeTop);

    place(m_nameLabel, 160, 0, 96, 26);
    place(m_nameEdit, 258, 1, 180, 24);
    place(m_changeName, 442, 0, 120, 26);
    place(m_gunSet, 566, 0, 99, 26);
    place(m_table, 160, 30, 505, 210);

    placeRow({ m_copy, m_cut, m_paste, m_undoButton, m_redoButton }, 160, 246, 505, 26);
    placeRow({ m_edit, m_top, m_bottom, m_moveUp, m_moveDown, m_deleteRow }, 160, 276, 505, 26);
    // START and STOP share a place: the row is laid out for the longer of the two.
    KroPushButton* const startOrStop = m_start->text().size() >= m_stop->text().size() ? m_start : m_stop;
    placeRow({ m_clear, m_insertDelay, startOrStop, m_recordAfter, m_save, m_cancel }, 160, 306, 505, 26);
    (startOrStop == m_start ? m_stop : m_start)->setGeometry(startOrStop->geometry());

    // Check boxes on the left, the loop choices in a wide column on the right.
    place(m_recordDelays, 160, 344, 238, 24);
    place(m_defaultDelayBox, 160, 372, 192, 24);
    place(m_defaultDelay, 355, 372, 42, 24);
    place(m_loop[0], 400, 344, 215, 26);
    place(m_loopTime, 620, 345, 45, 24);
    place(m_loop[1], 400, 374, 265, 26);
    place(m_loop[2], 400, 404, 265, 26);

    place(m_editPanel, 160, 340, 505, 127);
    place(m_editKeyCaption, 0, 8, 90, 24);
    place(m_editKeyLabel, 96, 8, 200, 24);
    place(m_editMouse, 96, 8, 200, 24);
    place(m_editMoveCaption, 0, 8, 90, 24);
    place(m_editDirection, 96, 8, 200, 24);
    place(m_editDistanceCaption, 0, 40, 90, 24);
    place(m_editDistance, 96, 40, 80, 24);
    place(m_editDelayCaption, 0, 8, 90, 24);
    place(m_editDelay, 96, 8, 80, 24);

    for (QCheckBox* box : { m_batchBox, m_recordDelays, m_defaultDelayBox }) {
        box->setStyleSheet(macroCheckStyleSheet());
        fitFontToWidth(box);
    }
    m_table->verticalHeader()->setDefaultSectionSize(scaled(26));
    fitColumns();
}

// Fonts come first: the tree's height and the button rows are measured in them.
void MacroDialog::applyFonts()
{
    const QFont font = skinFont();
    for (QWidget* w :
        std::initializer_list<QWidget*> { m_list, m_nameEdit, m_tree, m_batchBox, m_recordDelays, m_defaultDelayBox,
            m_defaultDelay, m_loopTime, m_editMouse, m_editDirection, m_editDistance, m_editDelay, m_table })
        w->setFont(font);
    // Style sheets give the headers their own font; keep them in the language font.
    const QString header
        = macroHeaderStyleSheet(font.family(), font.pixelSize() > 0 ? font.pixelSize() : scaled(12), scaled(6));
    m_table->horizontalHeader()->setStyleSheet(header);
    m_tree->header()->setStyleSheet(header);
}

void MacroDialog::fitColumns()
{
    for (int c = 0; c < 3; ++c)
        m_table->setColumnWidth(c, scaled(160));
}

void MacroDialog::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QPainter p(this);
    p.fillRect(rect(), QColor(20, 20, 20, 235));
}

// The main window resizes the page when the display scale changes, and installing a translator
// sends a language change: both keep the page in step without the window calling in.
void MacroDialog::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeWidgets();
}

void MacroDialog::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslateTexts();
        placeWidgets();
    }
}

void MacroDialog::connectNotify(const QMetaMethod& signal)
{
    QWidget::connectNotify(signal);
    if (signal == QMetaMethod::fromSignal(&MacroDialog::GunSetSignal))
        updateGunSetVisibility();
}

void MacroDialog::updateGunSetVisibility()
{
    const bool connected = isSignalConnected(QMetaMethod::fromSignal(&MacroDialog::GunSetSignal));
    m_gunSet->setVisible(connected && !m_editing);
}

void MacroDialog::warn(const QString& heading, const QString& message)
{
    KroMessageBox box(KroMessageBox::Warning, QString(), heading, message, this);
    box.exec();
}

// ---- Macro list -------------------------------------------------------------------------------

void MacroDialog::reloadList(const QString& select)
{
    const QStringList names = macroListNames();
    m_list->clear();
    for (const QString& name : names) {
        auto* item = new QListWidgetItem(m_batch ? QString() : name, m_list);
        item->setData(Qt::UserRole, name);
        if (m_batch) {
            auto* box = new QCheckBox(name);
            box->setStyleSheet(macroCheckStyleSheet());
            box->setFocusPolicy(Qt::NoFocus);
            m_list->setItemWidget(item, box);
        }
    }
    int row = names.indexOf(select.isEmpty() ? m_currentName : select);
    if (row < 0 && !names.isEmpty())
        row = 0;
    m_list->setCurrentRow(row);
    m_currentName = row >= 0 ? names.at(row) : QString();
    m_nameEdit->setText(m_currentName);
}

QStringList MacroDialog::checkedMacros() const
{
    QStringList names;
    for (int i = 0; i < m_list->count(); ++i) {
        auto* box = qobject_cast<QCheckBox*>(m_list->itemWidget(m_list->item(i)));
        if (box && box->isChecked())
            names.append(m_list->item(i)->data(Qt::UserRole).toString());
    }
    return names;
}

void MacroDialog::itemClicked(const QModelIndex& index)
{
    if (m_recording || m_editing)
        return;
    if (m_list->count() == 0) {
        m_currentName.clear();
        m_nameEdit->clear();
        return;
    }
    const int row = index.isValid() ? index.row() : 0;
    m_list->setCurrentRow(row);
    m_currentName = m_list->item(row)->data(Qt::UserRole).toString();
    m_nameEdit->setText(m_currentName);
    loadCurrentMacro();
}

Macro MacroDialog::editorMacro() const
{
    Macro m;
    m.delayType = delayType();
    m.loopType = 0;
    for (int i = 2; i >= 0; --i) {
        if (m_loopOn[i])
            m.loopType = i + 1;
    }
    m.defaultDelay = m_defaultDelay->text();
    m.loopTime = m_loopTime->text();
    m.events = tableRows(*m_model);
    return m;
}

void MacroDialog::showMacro(const Macro& m)
{
    showSettings(m);
    setTableRows(*m_model, m.events);
    fitColumns();
    SelectRow(m_model->rowCount() - 1);
    m_rowEditor->clearHistory();
}

void MacroDialog::showSettings(const Macro& m)
{
    m_recordDelays->setChecked(m.delayType == DELAY_RECORDED);
    m_defaultDelayBox->setChecked(m.delayType == DELAY_DEFAULT);
    m_defaultDelay->setText(m.defaultDelay);
    m_loopTime->setText(m.loopTime);
    if (m.loopType >= LOOP_NONE && m.loopType <= LOOP_UNTIL_DOWN) {
        for (int i = 0; i < 3; ++i) {
            m_loopOn[i] = m.loopType == i + 1;
            m_loop[i]->setState(m_loopOn[i] ? 1 : 0);
        }
    }
}

void MacroDialog::loadCurrentMacro()
{
    Macro m;
    if (!m_currentName.isEmpty())
        loadMacro(m_currentName, m);
    showMacro(m);
}

void MacroDialog::saveCurrentMacro(MacroMark mark)
{
    if (m_currentName.isEmpty())
        return;
    if (saveMacro(m_currentName, editorMacro(), mark) != 0)
        warn(tr("Warning"), tr("THE MACRO COULD NOT BE SAVED."));
}

void MacroDialog::resetEditor(int delayType)
{
    Macro m;
    m.delayType = delayType;
    m.defaultDelay = QStringLiteral("10");
    m.loopTime = QStringLiteral("1");
    m.loopType = LOOP_NONE;
    showMacro(m);
}

bool MacroDialog::macroListFull()
{
    if (macroListCount() < MACRO_LIST_SLOTS)
        return false;
    KroMessageBox box(KroMessageBox::Warning, QString(), tr("WARNING"), tr("TOO MANY MACROS TO BE CREATE!"), this);
    box.exec();
    return true;
}

void MacroDialog::onNew()
{
    if (macroListFull())
        return;
    const QString name = nextNewMacroName();
    resetEditor(DELAY_NONE);
    m_currentName = name;
    saveCurrentMacro();
    registerMacro(name);
    reloadList(name);
}

void MacroDialog::onDeleteMacro()
{
    if (m_list->count() == 0 || m_currentName.isEmpty())
        return;
    // Buttons playing the macro would play nothing once it is gone: they get their factory function.
    const QVector<MacroBinding> bound = macroBindings(currentConfig, m_currentName);
    if (!bound.isEmpty()
        && !KroMessageBox::ask(this,
            tr("THIS MACRO IS USED BY %1. DELETE IT AND GIVE THESE BUTTONS THEIR DEFAULT FUNCTION?")
                .arg(bindingNames(bound))))
        return;
    const int row = m_list->currentRow();
    unregisterMacro(m_currentName);
    deleteMacroFile(m_currentName);
    if (!bound.isEmpty()) {
        ProfileData factory;
        makeDefaultProfile(factory);
        resetMacroBindings(currentConfig, bound, factory);
        saveBoundProfiles(currentConfig, bound);
    }
    const QStringList names = macroListNames();
    const QString next = names.isEmpty() ? QString() : names.at(std::clamp(row, 0, int(names.size()) - 1));
    m_currentName.clear();
    reloadList(next);
    if (m_currentName.isEmpty()) {
        m_model->removeRows(0, m_model->rowCount());
        m_rowEditor->clearHistory();
    } else {
        loadCurrentMacro();
    }
}

void MacroDialog::onChangeName()
{
    if (m_list->count() == 0 || m_currentName.isEmpty())
        return;
    QString name = m_nameEdit->text();
    if (name == m_currentName)
        return;
    if (!isValidMacroName(name)) {
        warn(tr("Warning"), tr("THIS NAME CANNOT BE USED FOR A MACRO."));
        m_nameEdit->setText(m_currentName);
        return;
    }
    name = freeMacroName(name);
    if (renameMacroFile(m_currentName, name) != 0 && macroFileExists(m_currentName)) {
        warn(tr("Warning"), tr("THE MACRO COULD NOT BE RENAMED."));
        return;
    }
    renameMacroInList(m_currentName, name);
    // Bound buttons follow the new name, also on disk, so the next apply sends the macro itself.
    saveBoundProfiles(currentConfig, renameMacroBindings(currentConfig, m_currentName, name));
    m_currentName = name;
    reloadList(name);
}

QString MacroDialog::bindingNames(const QVector<MacroBinding>& bindings) const
{
    QStringList names;
    for (const MacroBinding& b : bindings) {
        const int profile = b.profile + 1;
        if (b.slot == WHEEL_UP_SLOT)
            names << tr("PROFILE %1 SCROLL UP").arg(profile);
        else if (b.slot == WHEEL_DOWN_SLOT)
            names << tr("PROFILE %1 SCROLL DOWN").arg(profile);
        else if (b.slot >= SIDE_FIRST_SLOT)
            names << tr("PROFILE %1 SIDE BUTTON %2").arg(profile).arg(b.slot - SIDE_FIRST_SLOT + 1);
        else
            names << tr("PROFILE %1 BUTTON %2").arg(profile).arg(b.slot + 1);
    }
    return names.join(QStringLiteral(", "));
}

void MacroDialog::onImport()
{
    const QString filter = tr(kMacroFilter);
    if (m_batch) {
        importBatch(MacroFileDialogs::getOpenFileNames(this, tr("Load Macro File"), filter));
        return;
    }
    const QString path = KroFileDialog::getOpenFileName(this, tr("Load Macro File"), QString(), filter);
    if (!path.isEmpty())
        importOne(path);
}

void MacroDialog::importOne(const QString& path)
{
    if (macroFileExists(QFileInfo(path).completeBaseName())) {
        warn(tr("Warning"), tr("Macro Exist!"));
        return;
    }
    if (macroListFull())
        return;
    QString name;
    bool truncated = false;
    const MacroImportResult result = importMacroFile(path, &name, &truncated);
    if (result == IMPORT_EXISTS) {
        warn(tr("Warning"), tr("Macro Exist!"));
        return;
    }
    if (result != IMPORT_OK) {
        warn(tr("Warning"), tr("THIS FILE IS NOT A MACRO FILE."));
        return;
    }
    registerMacro(name);
    m_currentName = name;
    reloadList(name);
    loadCurrentMacro();
    if (truncated)
        warn(tr("Warning"), tr("A MACRO HOLDS AT MOST 63 EVENTS; THE REST WAS LEFT OUT."));
}

void MacroDialog::importBatch(const QStringList& paths)
{
    QStringList refused;
    bool full = false;
    for (const QString& path : paths) {
        if (macroListCount() >= MACRO_LIST_SLOTS) {
            full = true;
            refused.append(QFileInfo(path).fileName());
            continue;
        }
        QString name;
        if (importMacroFile(path, &name) == IMPORT_OK)
            registerMacro(name);
        else
            refused.append(QFileInfo(path).fileName());
    }
    reloadList();
    loadCurrentMacro();
    if (full)
        warn(tr("WARNING"), tr("TOO MANY MACROS TO BE CREATE!"));
    else if (!refused.isEmpty())
        warn(tr("Warning"), tr("THESE FILES WERE NOT IMPORTED: %1").arg(refused.join(QStringLiteral(", "))));
}

void MacroDialog::onExport()
{
    if (m_list->count() == 0)
        return;
    if (m_batch) {
        const QStringList names = checkedMacros();
        if (names.isEmpty())
            return;
        const QString dir = MacroFileDialogs::getExistingDirectory(this, tr("Save Macro File"), QStringLiteral("./"));
        if (dir.isEmpty())
            return;
        QStringList failed;
        for (const QString& name : names) {
            if (exportMacroFile(name, QDir(dir).filePath(QFileInfo(macroFilePath(name)).fileName())) != 0)
                failed.append(name);
        }
        if (!failed.isEmpty())
            warn(tr("Warning"), tr("THESE MACROS WERE NOT EXPORTED: %1").arg(failed.join(QStringLiteral(", "))));
        return;
    }
    if (m_currentName.isEmpty())
        return;
    QString path
        = KroFileDialog::getSaveFileName(this, tr("Save Macro File"), m_currentName + ".MSMACRO", tr(kMacroFilter));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().compare(QLatin1String("MSMACRO"), Qt::CaseInsensitive) != 0)
        path += QStringLiteral(".MSMACRO");
    if (exportMacroFile(m_currentName, path) != 0)
        warn(tr("Warning"), tr("THESE MACROS WERE NOT EXPORTED: %1").arg(m_currentName));
}

void MacroDialog::onBatch(bool bChecked)
{
    m_batch = bChecked;
    enableSingleMacroControls(!bChecked);
    reloadList();
}

void MacroDialog::enableSingleMacroControls(bool bEnable)
{
    for (KroPushButton* b : { m_new, m_deleteMacro, m_changeName, m_start, m_recordAfter, m_gunSet, m_edit })
        b->setEnabled(bEnable);
    m_nameEdit->setEnabled(bEnable);
}

void MacroDialog::onGunSet()
{
    if (macroListFull())
        return;
    emit GunSetSignal();
}

QString MacroDialog::addGunSetMacro(const QString& chosenName, const QVector<MacroEvent>& rows)
{
    if (!isValidMacroName(chosenName.trimmed()) || macroListFull())
        return QString();
    const QString name = freeMacroName(chosenName.trimmed());
    resetEditor(DELAY_RECORDED);
    setTableRows(*m_model, rows.mid(0, MACRO_MAX_ROWS));
    m_currentName = name;
    saveCurrentMacro(MacroMark::None);
    registerMacro(name);
    reloadList(name);
    loadCurrentMacro();
    return name;
}
