// End-to-end setup shared by the tests that drive the main window against the virtual mouse.
#include "e2eFixture.h"

#include "app/MousecfgWidget.h"
#include "platform/Notice.h"
#include "store/appContext.h"
#include "store/deviceDescription.h"
#include "store/profileFiles.h"
#include "store/settings.h"
#include "widgets/KroMessageBox.h"
#include "widgets/KroPushButton.h"
#include "widgets/dialogHook.h"

#include "TestAppDir.h"
#include "VirtualMouseFixture.h"
#include "buttonsSkin.h"

#include <QAbstractButton>
#include <QtTest>

void e2eWriteFactoryProfiles()
{
    for (int i = 1; i <= PROFILE_COUNT; ++i) {
        ProfileData p;
        makeDefaultProfile(p);
        p.ProfileName = QStringLiteral("Profile %1").arg(i);
        saveProfileFile(p, p.ProfileName);
    }
}

E2eFixture::E2eFixture(bool withSkin, VirtualMouseFixture::Plug plug)
    : m_dir(std::make_unique<TestAppDir>(true))
{
    if (withSkin)
        buttonsCopySkin(m_dir->path());
    dialogHook::clear();
    dialogHook::answerEvery(dialogHook::Kind::Message, QDialog::Accepted);
    notice::setSink([](const QString&, const QColor&) {});
    setMouseConnected(false);
    m_mouse = std::make_unique<VirtualMouseFixture>(plug, false);
    e2eWriteFactoryProfiles();
    m_window = std::make_unique<MousecfgWidget>();
}

E2eFixture::~E2eFixture()
{
    dialogHook::clear();
    m_window.reset();
    notice::setSink({});
    dialogHook::clear();
    m_mouse.reset();
    m_dir.reset();
}

KroPushButton* E2eFixture::button(const QString& name) const
{
    return m_window->findChild<KroPushButton*>(name);
}

void E2eFixture::apply()
{
    KroPushButton* applyButton = button(QStringLiteral("applyButton"));
    QVERIFY(applyButton);
    applyButton->click();
}

VirtualMouseDecoder E2eFixture::decoder() const
{
    return VirtualMouseDecoder(m_mouse->mouse(), sensorModel());
}

int E2eFixture::deviceSlot(int uiButton)
{
    return buttonMatrix()[uiButton];
}

void E2eFixture::selectFrontButton(int k)
{
    m_window->switchPage(MousecfgWidget::PageCustomize);
    KroPushButton* marker = button(QStringLiteral("frontMarker%1").arg(k + 1));
    QVERIFY(marker);
    marker->click();
}

QStringList e2eBoxMessages()
{
    QStringList messages;
    for (const dialogHook::Shown& shown : dialogHook::history(dialogHook::Kind::Message))
        messages << shown.texts.value(1);
    return messages;
}

void e2ePressYes(QDialog* dialog)
{
    if (auto* yes = dialog->findChild<QAbstractButton*>(QStringLiteral("yesBtn")))
        yes->click();
}
