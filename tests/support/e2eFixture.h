// End-to-end setup: a temporary installation, the virtual mouse on the receiver, five profile files
// and the real main window; helpers to press "Apply", answer dialogs and read the mouse back.
#pragma once

#include "VirtualMouseFixture.h"
#include "sim/VirtualMouseDecoder.h"
#include "widgets/dialogHook.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <memory>

class MousecfgWidget;
class KroPushButton;
class TestAppDir;

class E2eFixture {
public:
    // withSkin: the painted skin of the build is copied in first, for screenshots; plug: the sides
    // of the virtual mouse plugged in when the window starts.
    explicit E2eFixture(bool withSkin = false, VirtualMouseFixture::Plug plug = VirtualMouseFixture::ReceiverOnly);
    ~E2eFixture();
    E2eFixture(const E2eFixture&) = delete;
    E2eFixture& operator=(const E2eFixture&) = delete;

    MousecfgWidget& window() { return *m_window; }
    VirtualMouseFixture& mouse() { return *m_mouse; }
    TestAppDir& dir() { return *m_dir; }

    // A skin button of the main window by object name (null when missing).
    KroPushButton* button(const QString& name) const;
    // Presses "Apply" and returns once the download has ended.
    void apply();
    // What the virtual mouse holds now, read with the sensor of the configuration.
    VirtualMouseDecoder decoder() const;
    // Device slot of a user-interface button, from the description's matrix.
    static int deviceSlot(int uiButton);
    // Selects front button k through its marker on the customize page.
    void selectFrontButton(int k);

private:
    std::unique_ptr<TestAppDir> m_dir;
    std::unique_ptr<VirtualMouseFixture> m_mouse;
    std::unique_ptr<MousecfgWidget> m_window;
};

// Five profile files "Profile 1" .. "Profile 5" with the factory settings, as an installation has.
void e2eWriteFactoryProfiles();

// The messages of the skin message boxes shown so far, oldest first.
QStringList e2eBoxMessages();

// Presses the yes button of a skin dialog.
void e2ePressYes(QDialog* dialog);

// Answers the next button dialog of type Dialog: act fills it, then its yes button is pressed and the
// dialog's own result is returned (so its refusals still count). Another type of dialog is rejected.
template <typename Dialog, typename Fn> void e2eAnswerWith(Fn act)
{
    dialogHook::answerEvery(dialogHook::Kind::Dialog, [act](QDialog* dialog) {
        auto* typed = qobject_cast<Dialog*>(dialog);
        if (!typed)
            return int(QDialog::Rejected);
        act(typed);
        e2ePressYes(dialog);
        return dialog->result();
    });
}
