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
    // The panels' working values go into currentConfig: before another slot is shown (edits not
    // yet applied are kept and sent by the next apply) and before an apply that sends them.
    virtual void keepPanelEdits() { }
    // After RESET: texts of the language again (restarts the poller, re-places the pictures).
    virtual void retranslateTexts() = 0;
    // After a whole configuration was loaded: first page and the model's scroll images.
    virtual void showLoadedConfig() = 0;
    virtual void hideWindow() = 0;
    // A short line in the window telling what the last send did; failed: drawn as a warning.
    virtual void showResult(const QString& text, bool failed)
    {
        Q_UNUSED(text);
        Q_UNUSED(failed);
    }
    virtual QWidget* dialogParent() = 0;
};
