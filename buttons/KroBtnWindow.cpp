// Button assignment panel: label layout, function menus, the entry handler and macro binding.
#include "buttons/KroBtnWindow.h"

#include "buttons/KroComboKeyWindow.h"
#include "buttons/KroFireKeyWindow.h"
#include "buttons/KroMacroSelect.h"
#include "buttons/KroSingleKeyWindow.h"
#include "buttons/KroSniperWindow.h"
#include "store/deviceDescription.h"
#include "store/macroFiles.h"
#include "store/settings.h"
#include "widgets/KroAction.h"
#include "widgets/KroMenu.h"
#include "widgets/KroMessageBox.h"
#include "widgets/KroPushButton.h"
#include "widgets/dialogHook.h"

#include <QCoreApplication>
#include <QDebug>
#include <QEvent>

namespace {

const QStringList LABEL_IMAGES = { QStringLiteral("/skin/tabbutton-1.png"), QStringLiteral("/skin/tabbutton-3.png"),
    QStringLiteral("/skin/tabbutton-2.png") };
constexpr quint8 WHEEL_UP_NUMBER = 253;
constexpr quint8 WHEEL_DOWN_NUMBER = 254;
constexpr quint8 MACRO_PAGE = 3;
constexpr quint8 HIDDEN_ROW = 255;

QString translated(const char* source)
{
    return QCoreApplication::translate(BUTTON_TR_CONTEXT, source);
}

} // namespace

KroBtnWindow::KroBtnWindow(QWidget* parent, ProfileData* profile, double scale)
    : QWidget(parent)
    , m_profile(profile)
    , m_scale(scale)
{
    qRegisterMetaType<KroPushButton*>("KroPushButton*");
    setAttribute(Qt::WA_TranslucentBackground);
    setStyleSheet(QStringLiteral("background:transparent;"));
    m_mainMenu = new KroMenu(this);
    m_mainMenu->setObjectName(QStringLiteral("buttonMainMenu"));
    m_wheelMenu = new KroMenu(this);
    m_wheelMenu->setObjectName(QStringLiteral("buttonWheelMenu"));
    for (int menu = int(SubMenu::Basic); menu <= int(SubMenu::Profile); ++menu)
        m_subMenus[menu] = new KroMenu(this);
    buildActions();
    buildLabels();
    m_mainMenu->installEventFilter(this);
    m_wheelMenu->installEventFilter(this);
    retranslate();
    showPageOf(GROUP_FRONT);
}

void KroBtnWindow::buildLabels()
{
    for (int slot = 0; slot < BUTTON_SLOT_COUNT; ++slot) {
        auto* label = new KroPushButton(LABEL_IMAGES, this);
        label->setObjectName(QStringLiteral("buttonLabel%1").arg(slot));
        label->setMenu(slot < WHEEL_UP_SLOT ? m_mainMenu : m_wheelMenu);
        if (slot == WHEEL_UP_SLOT)
            label->setIndex(WHEEL_UP_NUMBER);
        else if (slot == WHEEL_DOWN_SLOT)
            label->setIndex(WHEEL_DOWN_NUMBER);
        else
            label->setIndex(indexInGroup(slot) + 1);
        connect(
            label, &KroPushButton::OverSignal, this, [this, label](bool bType, int) { slotMouseOver(label, bType); });
        connect(label, &KroPushButton::EnterSignal, this, &KroBtnWindow::slotMouseEnter);
        m_labels[slot] = label;
    }
}

void KroBtnWindow::buildActions()
{
    QVector<int> codes;
    for (int menu = int(SubMenu::Basic); menu <= int(SubMenu::Profile); ++menu)
        codes += subMenuCodes(SubMenu(menu));
    for (const MenuEntry& entry : mainMenuLayout(true, true)) {
        if (entry.code)
            codes.append(entry.code);
    }
    codes += wheelMenuCodes();
    codes.append(ButtonFun::Sniper); // has its handler but sits in no menu
    for (int code : codes) {
        if (m_actions.contains(code))
            continue;
        auto* action = new KroAction(this);
        m_actions.insert(code, action);
        m_codeOfAction.insert(action, code);
        connect(action, &QAction::triggered, this, &KroBtnWindow::slotMenuAction);
    }
}

void KroBtnWindow::buildMenus()
{
    m_mainMenu->clear();
    m_wheelMenu->clear();
    for (int menu = int(SubMenu::Basic); menu <= int(SubMenu::Profile); ++menu) {
        KroMenu* subMenu = m_subMenus[menu];
        subMenu->clear();
        subMenu->setTitle(translated(subMenuSourceTitle(SubMenu(menu))));
        for (int code : subMenuCodes(SubMenu(menu)))
            subMenu->addAction(m_actions.value(code));
    }
    // The description decides whether macros and lighting exist on this model.
    for (const MenuEntry& entry : mainMenuLayout(disableMacro() == 0, ledDisable() == 0)) {
        if (entry.code)
            m_mainMenu->addAction(m_actions.value(entry.code));
        else
            m_mainMenu->addMenu(m_subMenus[int(entry.subMenu)]);
    }
    for (int code : wheelMenuCodes())
        m_wheelMenu->addAction(m_actions.value(code));
}

void KroBtnWindow::retranslate()
{
    buildMenus();
    for (auto it = m_actions.constBegin(); it != m_actions.constEnd(); ++it) {
        const char* source = it.key() == ButtonFun::Macro ? macroManagerSourceName() : functionSourceName(it.key());
        it.value()->setText(translated(source));
    }
    m_mainMenu->applyFont();
    m_wheelMenu->applyFont();
    for (int menu = int(SubMenu::Basic); menu <= int(SubMenu::Profile); ++menu)
        m_subMenus[menu]->applyFont();
    refreshLabels();
}

void KroBtnWindow::refreshLabels()
{
    for (int slot = 0; slot < BUTTON_SLOT_COUNT; ++slot)
        m_labels[slot]->setText(m_profile ? slotLabelText(m_profile->buttons[slot], slot) : QString());
}

void KroBtnWindow::loadRecord(const PageRecord& record)
{
    setProfile(&record.mouse);
}

void KroBtnWindow::setProfile(ProfileData* profile)
{
    m_profile = profile;
    refreshLabels();
}

void KroBtnWindow::setSelection(quint8 index, quint8 group)
{
    m_index = index;
    m_group = group;
    if (group <= GROUP_WHEEL)
        showPageOf(group);
    refreshLabels();
}

int KroBtnWindow::selectedSlot() const
{
    if (m_group > GROUP_WHEEL || m_index >= GROUP_SIZE)
        return -1;
    const int slot = slotOf(m_group, m_index);
    return slot < BUTTON_SLOT_COUNT ? slot : -1;
}

KroPushButton* KroBtnWindow::label(int slot) const
{
    return slot >= 0 && slot < BUTTON_SLOT_COUNT ? m_labels[slot] : nullptr;
}

QAction* KroBtnWindow::action(int code) const
{
    return m_actions.value(code);
}

void KroBtnWindow::showPageOf(int group)
{
    m_sideShown = group == GROUP_SIDE;
    for (int slot = 0; slot < BUTTON_SLOT_COUNT; ++slot) {
        const bool side = groupOfSlot(slot) == GROUP_SIDE;
        m_labels[slot]->setVisible(side == m_sideShown);
    }
    layoutLabels();
}

void KroBtnWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutLabels();
}

// The macro page renames or resets bound buttons while this page is hidden.
void KroBtnWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    refreshLabels();
}

void KroBtnWindow::layoutLabels()
{
    layoutFrontPage();
    for (int i = 0; i < GROUP_SIZE; ++i) {
        m_labels[slotOf(GROUP_SIDE, i)]->setGeometry(
            scaledValue(29), scaledValue(62 + 25 * i), scaledValue(150), scaledValue(20));
    }
}

void KroBtnWindow::layoutFrontPage()
{
    ButtonBytes rows {};
    const int count = qBound(0, readButtonRows(rows), DESCRIPTION_BUTTON_COUNT);
    QVector<KroPushButton*> shown;
    for (int i = 0; i < GROUP_SIZE; ++i) {
        KroPushButton* label = m_labels[slotOf(GROUP_FRONT, i)];
        if (i >= count || rows[size_t(i)] == HIDDEN_ROW) {
            label->setGeometry(QRect());
            continue;
        }
        // Visible rows are numbered without gaps.
        label->setIndex(shown.size() + 1);
        shown.append(label);
    }
    const int frontRows = shown.size();
    // The wheel pair follows the front rows on the same page.
    shown.append(m_labels[WHEEL_UP_SLOT]);
    shown.append(m_labels[WHEEL_DOWN_SLOT]);
    const int x = scaledValue(56);
    const int w = scaledValue(220);
    const int h = scaledValue(30);
    const int n = shown.size();
    if (frontRows > 9) {
        for (int k = 0; k < n; ++k)
            shown[k]->setGeometry(x, 30 + k * int(20 + 30 * m_scale), w, h);
        return;
    }
    const int gap = qMax(0, (height() - h * n) / (n + 1));
    for (int k = 0; k < n; ++k)
        shown[k]->setGeometry(x, gap * (k + 1) + h * k, w, h);
}

void KroBtnWindow::OnMouseEnterSlot(int index)
{
    qDebug("OnMouseEnterSlot %d", index);
    setSelection(quint8(index), GROUP_FRONT);
}

void KroBtnWindow::slotMouseOver(KroPushButton* btn, bool bType)
{
    emit SelBtnControl(btn, bType);
}

void KroBtnWindow::slotMouseEnter(KroPushButton* btn)
{
    const int slot = slotOfLabel(btn);
    if (slot < 0)
        return;
    m_group = quint8(groupOfSlot(slot));
    m_index = quint8(indexInGroup(slot));
}

int KroBtnWindow::slotOfLabel(const KroPushButton* btn) const
{
    for (int slot = 0; slot < BUTTON_SLOT_COUNT; ++slot) {
        if (m_labels[slot] == btn)
            return slot;
    }
    return -1;
}

bool KroBtnWindow::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == m_mainMenu || watched == m_wheelMenu) && event->type() == QEvent::Close) {
        const int slot = selectedSlot();
        if (slot >= 0) {
            settleLabel(m_labels[slot]);
            emit SelBtnControl(m_labels[slot], false);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void KroBtnWindow::slotMenuAction()
{
    auto* chosen = qobject_cast<QAction*>(sender());
    const int slot = selectedSlot();
    if (!chosen || slot < 0 || !m_profile)
        return;
    chooseFunction(slot, m_codeOfAction.value(chosen));
}

void KroBtnWindow::chooseFunction(int slot, int code)
{
    KroPushButton* label = m_labels[slot];
    emit SelBtnControl(label, true);
    // The refusal box and the dialogs are modal: the row stays highlighted while they are open and
    // returns to normal however they end.
    if (leftClickGuardRefuses(*m_profile, slot, code))
        emit PopOneClickBox();
    else if (assignFunction(m_profile->buttons[slot], code))
        emit ButtonChangedSignal(slot);
    label->setText(slotLabelText(m_profile->buttons[slot], slot));
    settleLabel(label);
    emit SelBtnControl(label, false);
    m_group = NO_SELECTION;
    m_index = NO_SELECTION;
}

bool KroBtnWindow::assignFunction(ButtonInfo& button, int code)
{
    if (code == ButtonFun::Macro)
        return bindMacro(button);
    if (isPlainFunction(code)) {
        button.Fun = code;
        return true;
    }
    return runKeyDialog(button, code);
}

// A label pressed to open its menu saw no release or leave while the menu and a dialog held the
// pointer, so it would keep its pressed picture.
void KroBtnWindow::settleLabel(KroPushButton* label)
{
    label->setState(KroPushButton::Normal);
}

bool KroBtnWindow::bindMacro(ButtonInfo& button)
{
    if (macroListCount() == 0) {
        emit GotoMacroTab(MACRO_PAGE);
        return false;
    }
    const bool bound = button.Fun == ButtonFun::Macro;
    KroMacroSelect dialog(this, tr("MACRO SELECT"), bound ? button.macroname : QString(), bound ? button.LoopNumber : 1,
        bound ? button.Res1 : 0);
    if (dialogHook::exec(&dialog, dialogHook::Kind::Dialog) != QDialog::Accepted)
        return false;
    // A macro whose file is gone would bind a button that plays nothing: keep the old function.
    if (!macroFileExists(dialog.selectedName())) {
        KroMessageBox::warn(this, tr("The macro \"%1\" cannot be read.").arg(dialog.selectedName()));
        return false;
    }
    button.Fun = ButtonFun::Macro;
    button.LoopNumber = dialog.loopCount();
    button.Res1 = quint8(dialog.mode());
    button.macroname = dialog.selectedName();
    bool truncated = false;
    copyMacroToButton(button.macroname, button, &truncated);
    if (truncated) {
        KroMessageBox::warn(
            this, tr("The macro has more than %1 events; the button keeps the first %1.").arg(KEYINFO_COUNT));
    }
    return true;
}

bool KroBtnWindow::runKeyDialog(ButtonInfo& button, int code)
{
    const bool prefill = button.Fun == code;
    switch (code) {
    case ButtonFun::SingleKey: {
        KroSingleKeyWindow dialog(this);
        if (prefill)
            dialog.prefill(button.Res1);
        if (dialogHook::exec(&dialog, dialogHook::Kind::Dialog) != QDialog::Accepted)
            return false;
        button.Res1 = dialog.key();
        break;
    }
    case ButtonFun::ComboKey: {
        KroComboKeyWindow dialog(this);
        if (prefill)
            dialog.prefill(button);
        if (dialogHook::exec(&dialog, dialogHook::Kind::Dialog) != QDialog::Accepted)
            return false;
        dialog.combination().writeTo(button);
        break;
    }
    case ButtonFun::FireKey: {
        KroFireKeyWindow dialog(this);
        if (prefill)
            dialog.prefill(button);
        if (dialogHook::exec(&dialog, dialogHook::Kind::Dialog) != QDialog::Accepted)
            return false;
        dialog.writeTo(button);
        break;
    }
    case ButtonFun::Sniper: {
        KroSniperWindow dialog(this, sensorModel());
        if (prefill)
            dialog.prefill(button.Res1);
        if (dialogHook::exec(&dialog, dialogHook::Kind::Dialog) != QDialog::Accepted)
            return false;
        button.Res1 = dialog.step();
        break;
    }
    default:
        return false;
    }
    button.Fun = code;
    return true;
}
