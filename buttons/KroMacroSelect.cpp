// Macro selection: the macro menu of the registry, the three repeat modes and the loop count.
#include "buttons/KroMacroSelect.h"

#include "store/appContext.h"
#include "store/macroFiles.h"
#include "widgets/KroAction.h"
#include "widgets/KroMenu.h"
#include "widgets/KroPushButton.h"
#include "widgets/skinStyle.h"

#include <QActionGroup>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace {

const char* const MODE_CAPTIONS[] = {
    QT_TRANSLATE_NOOP("KroMacroSelect", "LOOPS TIME(1-255)"),
    QT_TRANSLATE_NOOP("KroMacroSelect", "REPEAT RUN WHEN KEY DOWN"),
    QT_TRANSLATE_NOOP("KroMacroSelect", "REPEAT RUN UNTILL THE KEY DOWN"),
};
constexpr int LOOP_MIN = 1;
constexpr int LOOP_MAX = 255;

} // namespace

KroMacroSelect::KroMacroSelect(QWidget* parent, const QString& title, const QString& name, int loopCount, int mode)
    : KroSkinDialog(parent, 478, 309, QStringLiteral("/skin/dlg.png"))
    , m_name(name)
{
    setWindowTitle(title);
    m_title = makeTitle(QStringLiteral("titleLabel"));
    m_title->setText(title);

    m_nameCaption = makeLabel(QStringLiteral("nameCaption"), Qt::AlignRight | Qt::AlignVCenter);
    m_nameCaption->setGeometry(scaled(20), scaled(60), scaled(120), scaled(26));
    m_selector = new KroPushButton({ QStringLiteral("/skin/profilesel.png"), QStringLiteral("/skin/profilesel.png"),
                                       QStringLiteral("/skin/profilesel.png") },
        this);
    m_selector->setObjectName(QStringLiteral("macroSelector"));
    m_selector->setGeometry(scaled(150), scaled(60), scaled(220), scaled(26));
    m_menu = new KroMenu(this);
    m_menu->setObjectName(QStringLiteral("macroMenu"));
    m_menu->setFixedWidth(m_selector->width());
    // The menu marks the macro the button plays, like the selector shows it.
    auto* choices = new QActionGroup(this);
    for (const QString& macro : macroListNames()) {
        auto* action = new KroAction(macro, m_menu);
        action->setCheckable(true);
        choices->addAction(action);
        m_menu->addAction(action);
        connect(action, &QAction::triggered, this, [this, macro] { chooseMacro(macro); });
    }
    m_selector->setMenu(m_menu);

    m_modeGroup = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        m_modes[i] = new QCheckBox(this);
        m_modes[i]->setObjectName(QStringLiteral("modeButton%1").arg(i));
        m_modes[i]->setFocusPolicy(Qt::NoFocus);
        m_modes[i]->setStyleSheet(checkBoxStyle());
        // The first mode shares its row with the loop count; the others take the dialog's width.
        m_modes[i]->setGeometry(scaled(40), scaled(110 + 40 * i), scaled(i == 0 ? 300 : 420), scaled(26));
        m_modeGroup->addButton(m_modes[i], i);
    }
    m_modes[mode >= 0 && mode <= 2 ? mode : 0]->setChecked(true);

    m_loopEdit
        = makeNumberEdit(QStringLiteral("loopEdit"), loopCount >= LOOP_MIN && loopCount <= LOOP_MAX ? loopCount : 1);
    m_loopEdit->setGeometry(scaled(350), scaled(110), scaled(60), scaled(26));

    chooseMacro(name);
    placeAnswerButtons(250);
    retranslate();
}

void KroMacroSelect::retranslate()
{
    m_nameCaption->setText(tr("MACRO"));
    for (int i = 0; i < 3; ++i)
        m_modes[i]->setText(tr(MODE_CAPTIONS[i]));
}

int KroMacroSelect::mode() const
{
    return qMax(0, m_modeGroup->checkedId());
}

int KroMacroSelect::loopCount() const
{
    return m_loopEdit->text().toInt();
}

void KroMacroSelect::chooseMacro(const QString& name)
{
    m_name = name;
    m_selector->setText(name);
    for (QAction* action : m_menu->actions())
        action->setChecked(action->text() == name);
}

void KroMacroSelect::onYes()
{
    if (loopCount() < LOOP_MIN || loopCount() > LOOP_MAX) {
        m_loopEdit->setStyleSheet(fieldStyle(true));
        m_loopEdit->setFocus();
        return;
    }
    if (m_name.isEmpty()) {
        // Binding no macro would leave the button with an empty event list.
        m_selector->setText(tr("Choose a macro"));
        return;
    }
    accept();
}
