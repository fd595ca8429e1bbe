// The pages say what they hold: the button rows name their bindings, and a typed DPI value snaps
// to the sensor and reaches the virtual mouse in the sensor's encoding.
#include "app/MousecfgWidget.h"
#include "buttons/KroBtnWindow.h"
#include "buttons/KroComboKeyWindow.h"
#include "buttons/KroMacroSelect.h"
#include "buttons/KroSingleKeyWindow.h"
#include "panels/KroDPIWindow.h"
#include "panels/KroSingleDPI.h"
#include "store/MouseConfig.h"
#include "store/macroFiles.h"
#include "store/settings.h"
#include "widgets/KroMenu.h"
#include "widgets/KroPushButton.h"

#include "e2eFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QtTest>

#include <functional>

class TestGlancePages : public QObject {
    Q_OBJECT
private slots:
    void buttonRowsNameTheirBinding()
    {
        E2eFixture e2e;
        Macro macro;
        macro.events = { MacroEvent::key(4, true), MacroEvent::key(4, false) };
        QCOMPARE(saveMacro(QStringLiteral("Burst"), macro), 0);
        QVERIFY(registerMacro(QStringLiteral("Burst")) >= 0);
        dialogHook::answerEvery(dialogHook::Kind::Message, QDialog::Accepted);

        struct Row {
            int button;
            int code;
            std::function<void()> answer;
            QString text;
        };
        const Row rows[] = {
            { 3, ButtonFun::SingleKey,
                [] { e2eAnswerWith<KroSingleKeyWindow>([](KroSingleKeyWindow* d) { d->onKeyEvent(0x3F, 0); }); },
                QStringLiteral("F5") },
            { 4, ButtonFun::ComboKey,
                [] {
                    e2eAnswerWith<KroComboKeyWindow>([](KroComboKeyWindow* d) {
                        for (int code : { 0x1D, 0x2A, 0x1F })
                            d->onKeyEvent(code, 0);
                    });
                },
                QStringLiteral("Shift + Ctrl + S") },
            { 5, ButtonFun::Macro,
                [] {
                    e2eAnswerWith<KroMacroSelect>([](KroMacroSelect* d) {
                        d->macroMenu()->actions().first()->trigger();
                        d->findChild<QLineEdit*>(QStringLiteral("loopEdit"))->setText(QStringLiteral("3"));
                    });
                },
                QStringLiteral("Burst \u00d73") },
            // The only left click refused: the warning closes and the row is left as it was.
            { 0, ButtonFun::Right, [] {}, QStringLiteral("Left") },
        };
        for (const Row& row : rows) {
            row.answer();
            e2e.selectFrontButton(row.button);
            auto* panel = e2e.window().findChild<KroBtnWindow*>(QStringLiteral("buttonPanel"));
            const int slot = panel->selectedSlot();
            KroPushButton* label = panel->label(slot);
            label->setState(KroPushButton::Pressed); // as the click that opened the menu left it
            panel->action(row.code)->trigger();
            QCOMPARE(label->text(), row.text);
            // Back to normal once the dialog or box is gone, on the row and on the mouse picture.
            QCOMPARE(label->state(), int(KroPushButton::Normal));
            QCOMPARE(e2e.button(QStringLiteral("frontMarker%1").arg(row.button + 1))->state(), 1);
        }
        QCOMPARE(e2eBoxMessages().size(), 1);
    }

    void typedDpiSnapsAndReachesTheMouse()
    {
        E2eFixture e2e;
        QCOMPARE(sensorModel(), 3395); // 50 dpi steps from raw 0, sent as a little-endian pair
        e2e.window().switchPage(MousecfgWidget::PageDpi);
        auto* dpi = e2e.window().findChild<KroDPIWindow*>(QStringLiteral("dpiPanel"));
        KroSingleDPI* row = dpi->row(1);
        row->findChild<QCheckBox*>(QStringLiteral("linkBox"))->setChecked(false);
        const auto type = [row](const char* edit, const char* text) {
            auto* box = row->findChild<QSpinBox*>(QLatin1String(edit));
            box->selectAll();
            QTest::keyClicks(box, QLatin1String(text));
            QTest::keyClick(box, Qt::Key_Return);
            return box->text();
        };
        QCOMPARE(type("xEdit", "1234"), QStringLiteral("X:1250"));
        QCOMPARE(type("yEdit", "90000"), QStringLiteral("Y:26000")); // beyond the range: its top
        e2e.apply();

        const DecodedStage stage = e2e.decoder().stage(1);
        QCOMPARE(int(stage.bytes[0]), 24);
        QCOMPARE(int(stage.bytes[1]), 0);
        QCOMPARE(int(stage.bytes[2]), 519 & 0xFF);
        QCOMPARE(int(stage.bytes[3]), 519 >> 8);
    }
};

QTEST_MAIN(TestGlancePages)
#include "TestGlancePages.moc"
