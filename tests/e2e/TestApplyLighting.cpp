// Apply from the lighting page reaches the virtual mouse: the colour picked in the colour dialog
// lands in the effect's record, and the chosen effect in the general block.
#include "app/MousecfgWidget.h"
#include "panels/KroColorArea.h"
#include "panels/KroColorWindow.h"
#include "store/MouseConfig.h"
#include "widgets/dialogHook.h"

#include "e2eFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QtTest>

namespace {

// Types a colour into the dialog's hex field (six digits, no sign) and presses its OK (or Cancel).
void answerColourDialog(const QString& hex, bool ok)
{
    dialogHook::answerEvery(dialogHook::Kind::Colour, [hex, ok](QDialog* dialog) {
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("hexEdit"));
        edit->setText(hex);
        emit edit->editingFinished();
        dialog->findChild<QAbstractButton*>(ok ? QStringLiteral("okButton") : QStringLiteral("cancelButton"))->click();
        return dialog->result();
    });
}

} // namespace

class TestApplyLighting : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { dialogHook::clear(); }

    void pickedColourReachesTheEffectRecord()
    {
        E2eFixture e2e;
        e2e.window().switchPage(MousecfgWidget::PageLighting);
        auto* lighting = e2e.window().findChild<KroColorWindow*>(QStringLiteral("lightingPanel"));
        QVERIFY(lighting);
        QCOMPARE(lighting->profile(), &currentConfig.profiles[0]); // hosted and refreshed
        lighting->effectAction(1)->trigger();
        answerColourDialog(QStringLiteral("12ab34"), true);
        lighting->color_clicked();
        e2e.apply();
        QCOMPARE(int(e2e.decoder().general().effectCode), 2); // effect 1 is device slot 1, sent plus one

        // A cancelled dialog changes nothing, on screen or on the mouse.
        answerColourDialog(QStringLiteral("ffffff"), false);
        lighting->color_clicked();
        e2e.apply();
        const DecodedLighting record = e2e.decoder().lighting(1);
        QCOMPARE(int(record.bytes[0]), 0x80);
        QCOMPARE(int(record.red), 0x12);
        QCOMPARE(int(record.green), 0xAB);
        QCOMPARE(int(record.blue), 0x34);
    }
};

QTEST_MAIN(TestApplyLighting)
#include "TestApplyLighting.moc"
