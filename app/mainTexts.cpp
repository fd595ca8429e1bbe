// Texts of the main window in the current language, and the language menu.
#include "app/MousecfgWidget.h"

#include "app/ProfileManager.h"
#include "app/StatusDisplay.h"
#include "app/TrayController.h"
#include "widgets/KroAction.h"
#include "widgets/KroLabel.h"
#include "widgets/KroLineEdit.h"
#include "widgets/KroMenu.h"
#include "widgets/KroPushButton.h"
#include "store/appContext.h"
#include "store/deviceDescription.h"
#include "store/language.h"
#include "store/settings.h"

#include <QCoreApplication>
#include <QTranslator>

void MousecfgWidget::buildLanguageMenu()
{
    m_langMenu = new KroMenu(this);
    m_langMenu->setObjectName(QStringLiteral("languageMenu"));
    for (int i = 0; i < m_languages.count; ++i) {
        auto* action = new KroAction(m_languages.names[i], m_langMenu);
        m_langMenu->addAction(action);
        m_langActions.append(action);
    }
    connect(m_langMenu, &QMenu::triggered, this, &MousecfgWidget::onLanguageChosen);
    m_langButton->setMenu(m_langMenu);
}

void MousecfgWidget::onLanguageChosen(QAction* action)
{
    const int index = m_langActions.indexOf(qobject_cast<KroAction*>(action));
    if (index < 0)
        return;
    setLanguageIndex(index);
    setLanguageId(index);
    m_langButton->setText(action->text());
    if (switchTranslation(index))
        retranslateTexts();
}

// A file that does not load leaves the installed translation untouched, so the texts stay as they
// are. Language 0 is the source language: without its file the built-in texts are used.
bool MousecfgWidget::switchTranslation(int index)
{
    const QString file = translationFile(m_languages, index);
    QTranslator probe;
    const bool loadable = !file.isEmpty() && probe.load(file);
    if (!loadable && index != 0)
        return false;
    QCoreApplication::removeTranslator(m_translator);
    if (loadable && m_translator->load(file))
        QCoreApplication::installTranslator(m_translator);
    return true;
}

// The skin buttons' texts and tool tips, found by name: those of a page built later get theirs then.
void MousecfgWidget::retranslateButtons()
{
    struct NamedText {
        const char* name;
        const char* text;
    };
    const NamedText icons[] = {
        { "resetButton", QT_TR_NOOP("RESET") },
        { "addButton", QT_TR_NOOP("ADD") },
        { "deleteButton", QT_TR_NOOP("DELETE") },
        { "copyButton", QT_TR_NOOP("COPY") },
        { "importButton", QT_TR_NOOP("Load Profile File") },
        { "exportButton", QT_TR_NOOP("Save Profile File") },
    };
    // The profile buttons are small pictures: their texts are tool tips.
    for (const auto& b : icons) {
        if (auto* button = findChild<KroPushButton*>(QLatin1String(b.name)))
            button->setToolTip(tr(b.text));
    }
    const NamedText buttons[] = {
        { "resetAllButton", QT_TR_NOOP("Reset All") },
        { "okButton", QT_TR_NOOP("OK") },
        { "cancelButton", QT_TR_NOOP("Cancel") },
        { "applyButton", QT_TR_NOOP("Apply") },
        { "loadButton", QT_TR_NOOP("LOAD1") },
        { "saveButton", QT_TR_NOOP("SAVE") },
        { "tabLighting", QT_TR_NOOP("LIGHTING") },
        { "tabCustomize", QT_TR_NOOP("CUSTOMIZE") },
        { "tabDpi", QT_TR_NOOP("DPI") },
        { "tabMacro", QT_TR_NOOP("MACRO") },
        { "firmwareButton", QT_TR_NOOP("Firmware Update") },
        { "frontButton", QT_TR_NOOP("Front") },
        { "sideButton", QT_TR_NOOP("Side") },
    };
    for (const auto& b : buttons) {
        if (auto* button = findChild<KroPushButton*>(QLatin1String(b.name)))
            button->setText(tr(b.text));
    }
}

void MousecfgWidget::retranslateTexts()
{
    m_versionLabel->setText(versionText());
    m_nameEdit->setToolTip(tr("Press Enter To Apply"));
    m_nameLabel->setText(tr("NAME"));
    retranslateButtons();
    const int language = languageIndex();
    if (language >= 0 && language < m_languages.count)
        m_langButton->setText(m_languages.names[language]);

    showSlotNames();
    m_profiles->retranslateSlotMenu();
    m_modelLabel->setText(modelText());
    if (m_status)
        m_status->retranslate();
    if (m_tray)
        m_tray->retranslate();

    retranslatePanels();

    // The stop waits until the poller's loop has ended, so no extra pause is needed before the start.
    stopBatteryThread();
    startBatteryThread();
    placeWidgets();
}
