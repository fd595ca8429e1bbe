// The button assignment panel: one label button per mouse button, each opening the function menu.
#pragma once

#include "buttons/buttonFunctions.h"
#include "widgets/SettingsPage.h"

#include <QHash>
#include <QWidget>

class KroAction;
class KroMenu;
class KroPushButton;
class QAction;

class KroBtnWindow : public QWidget, public SettingsPage {
    Q_OBJECT
public:
    // The profile is not owned; it is the profile the labels show and the menus change.
    KroBtnWindow(QWidget* parent, ProfileData* profile, double scale);

    void setProfile(ProfileData* profile);
    ProfileData* profile() const { return m_profile; }
    // Selects (group, index) and shows the page of that group; 255/255 clears the selection.
    void setSelection(quint8 index, quint8 group);
    // Slot of the current selection, -1 when nothing is selected.
    int selectedSlot() const;
    // Language pass: fonts, menus rebuilt from the description switches, texts, labels.
    void retranslate() override;
    void loadRecord(const PageRecord& record) override;
    void refreshLabels();

    KroPushButton* label(int slot) const;
    bool sidePageShown() const { return m_sideShown; }
    KroMenu* mainMenu() const { return m_mainMenu; }
    KroMenu* wheelMenu() const { return m_wheelMenu; }
    // The menu entry of a function code (the macro code gives "Macro Manager"); null if none.
    QAction* action(int code) const;

signals:
    void SelBtnControl(KroPushButton* btn, bool bType);
    void GotoMacroTab(quint8 iBtn);
    void PopOneClickBox();
    // A slot's function was changed by the user.
    void ButtonChangedSignal(int slot);

public slots:
    void OnMouseEnterSlot(int index);
    void slotMouseOver(KroPushButton* btn, bool bType);
    void slotMouseEnter(KroPushButton* btn);
    void slotMenuAction();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildLabels();
    void buildActions();
    void buildMenus();
    void layoutLabels();
    void layoutFrontPage();
    void showPageOf(int group);
    int slotOfLabel(const KroPushButton* btn) const;
    void chooseFunction(int slot, int code);
    // Returns true when the record was changed.
    bool assignFunction(ButtonInfo& button, int code);
    void settleLabel(KroPushButton* label);
    // Each returns true when the record was changed.
    bool bindMacro(ButtonInfo& button);
    bool runKeyDialog(ButtonInfo& button, int code);
    int scaledValue(double value) const { return int(value * m_scale); }

    ProfileData* m_profile;
    double m_scale;
    quint8 m_group = NO_SELECTION;
    quint8 m_index = NO_SELECTION;
    bool m_sideShown = false;
    KroPushButton* m_labels[BUTTON_SLOT_COUNT] = {};
    KroMenu* m_mainMenu;
    KroMenu* m_wheelMenu;
    KroMenu* m_subMenus[int(SubMenu::Profile) + 1] = {};
    QHash<int, KroAction*> m_actions;
    QHash<QAction*, int> m_codeOfAction;
};
