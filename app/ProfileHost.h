// What profile management needs from the window that hosts it.
#pragma once

#include <QString>

class QWidget;

class ProfileHost {
public:
    virtual ~ProfileHost() = default;
    // Hands the current profile of currentConfig to every panel.
    virtual void refreshPanels() = 0;
    virtual void showProfileName(const QString& name) = 0;
    virtual QString profileNameText() const = 0;
    virtual void showSlotText(const QString& text) = 0;
    // The slots' names or the current slot changed.
    virtual void showSlotNames() { }
    // Before another slot is shown: the panels' working values go into currentConfig, so edits not
    // yet applied are kept and sent by the next apply.
    virtual void keepPanelEdits() { }
    // Runs the apply worker behind the busy dialog; gatherPanels first copies the panels' working
    // values into currentConfig. Returns the worker's result code (0 = sent).
    virtual int runApplyTransaction(bool gatherPanels, bool fullSend) = 0;
    // After RESET: texts of the language again (restarts the poller, re-places the pictures).
    virtual void retranslateTexts() = 0;
    // After a whole configuration was loaded: first page and the model's scroll images.
    virtual void showLoadedConfig() = 0;
    virtual void hideWindow() = 0;
    virtual QWidget* dialogParent() = 0;
};
