// Dialog that picks a registered macro for a button and how the mouse repeats it.
#pragma once

#include "buttons/KroSkinDialog.h"

class KroMenu;
class KroPushButton;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;

class KroMacroSelect : public KroSkinDialog {
    Q_OBJECT
public:
    // name, loopCount and mode are the current choice (empty name, 1 and 0 for a new binding).
    KroMacroSelect(QWidget* parent, const QString& title, const QString& name, int loopCount, int mode);

    QString selectedName() const { return m_name; }
    // 0 fixed count, 1 repeat while held, 2 repeat until pressed again.
    int mode() const;
    // The edit's number; 0 when it is empty.
    int loopCount() const;
    KroMenu* macroMenu() const { return m_menu; }
    void retranslate();

protected:
    // Refuses an empty loop count or a missing macro instead of binding them.
    void onYes() override;

private:
    void chooseMacro(const QString& name);

    QLabel* m_title;
    QLabel* m_nameCaption;
    KroPushButton* m_selector;
    KroMenu* m_menu;
    QButtonGroup* m_modeGroup;
    QCheckBox* m_modes[3];
    QLineEdit* m_loopEdit;
    QString m_name;
};
