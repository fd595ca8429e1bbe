// The lighting panel and the colour dialog: effect visibility, what each control writes, hex
// normalisation and the HSV / RGB controls agreeing.
#include "panels/DefaultColorArea.h"
#include "panels/HColorArea.h"
#include "panels/KroColorArea.h"
#include "panels/KroColorWindow.h"
#include "panels/KroSlider.h"
#include "panels/LightingPreview.h"
#include "panels/SVColorArea.h"
#include "panels/hexColour.h"
#include "panelsTestData.h"
#include "support/TestAppDir.h"
#include "widgets/dialogHook.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

namespace {
// Answers every colour dialog with fn.
void onColourDialog(const std::function<int(KroColorArea*)>& fn)
{
    dialogHook::answerEvery(
        dialogHook::Kind::Colour, [fn](QDialog* dialog) { return fn(static_cast<KroColorArea*>(dialog)); });
}
} // namespace

class TestLightingPanel : public QObject {
    Q_OBJECT

    template <typename T> static T* child(QWidget* w, const char* name) { return panelChild<T>(w, name); }
    static bool shown(QWidget* w, const char* name) { return child<QWidget>(w, name)->isVisible(); }
    static QColor rgbSpins(KroColorArea* d)
    {
        return QColor(child<QSpinBox>(d, "rSpin")->value(), child<QSpinBox>(d, "gSpin")->value(),
            child<QSpinBox>(d, "bSpin")->value());
    }
    static void typeHex(KroColorArea* d, const QString& text)
    {
        auto* edit = child<QLineEdit>(d, "hexEdit");
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QMetaObject::invokeMethod(edit, "editingFinished");
    }

private slots:
    void init()
    {
        currentConfig = MouseConfig();
        dialogHook::clear();
    }

    void menuOffersTenEffectsInOrder()
    {
        TestAppDir dir;
        writePanelsSetup(dir, 3389, "M1");
        KroColorWindow panel;
        currentConfig.profiles[0] = panelsTestProfile();
        panel.setProfile(&currentConfig.profiles[0]);
        QStringList names;
        for (QAction* a : panel.effectMenu()->actions())
            names << a->text();
        QCOMPARE(names,
            QStringList({ "FULL LIGHTED", "BREATHING", "7 COLOR BREATHING", "RAINBOW", "WAVE", "REACTIVE",
                "GO WITHOUT TRACE", "yo-yo", "Marbles", "OFF" }));
        QVERIFY(panel.effectAction(5)); // exists, not offered
        QVERIFY(!panel.effectMenu()->actions().contains(panel.effectAction(5)));
    }

    void effectChoiceShowsItsControls()
    {
        TestAppDir dir;
        writePanelsSetup(dir, 3389, "M1");
        KroColorWindow panel;
        panel.show();
        currentConfig.profiles[0] = panelsTestProfile();
        panel.setProfile(&currentConfig.profiles[0]);
        QVERIFY(shown(&panel, "brightnessSlider") && shown(&panel, "colorSwatch"));
        QVERIFY(!shown(&panel, "speedSlider"));

        panel.effectAction(11)->trigger(); // REACTIVE
        QCOMPARE(currentConfig.profiles[0].LedMode, quint8(11));
        QVERIFY(shown(&panel, "brightnessSlider") && shown(&panel, "brightnessTitle"));
        QVERIFY(!shown(&panel, "speedSlider") && !shown(&panel, "colorSwatch"));
        QCOMPARE(child<QPushButton>(&panel, "effectButton")->text(), QString("REACTIVE"));

        panel.effectAction(0)->trigger(); // OFF
        QVERIFY(!shown(&panel, "brightnessSlider") && !shown(&panel, "speedSlider"));
        QVERIFY(!shown(&panel, "colorSwatch") && !shown(&panel, "colorTitle"));

        panel.effectAction(2)->trigger(); // BREATHING: speed takes the top row
        QVERIFY(shown(&panel, "speedSlider") && shown(&panel, "colorSwatch"));
        QCOMPARE(child<QWidget>(&panel, "speedSlider")->geometry(), QRect(30, 97, 228, 25));
        QCOMPARE(child<QWidget>(&panel, "speedTitle")->geometry(), QRect(30, 78, 201, 18));

        panel.effectAction(9)->trigger(); // WAVE: back to the normal rows
        QCOMPARE(child<QWidget>(&panel, "speedSlider")->geometry(), QRect(30, 156, 228, 25));
        QVERIFY(shown(&panel, "brightnessSlider"));
    }

    void effectChoiceShowsThatEffectsValues()
    {
        TestAppDir dir;
        writePanelsSetup(dir, 3389, "M1");
        KroColorWindow panel;
        ProfileData& p = currentConfig.profiles[0] = panelsTestProfile();
        p.lighting[4].bright = 1;
        p.lighting[4].breath = 5;
        p.lighting[4].RGB = QColor(0, 0, 255);
        panel.setProfile(&p);
        panel.effectAction(4)->trigger();
        QCOMPARE(child<QSlider>(&panel, "brightnessSlider")->value(), 1);
        QCOMPARE(child<QSlider>(&panel, "speedSlider")->value(), 5);
        QCOMPARE(child<DefaultColorArea>(&panel, "colorSwatch")->color(), QColor(0, 0, 255));
        // Showing a value never writes it.
        QCOMPARE(p.lighting[1].bright, quint32(2));
    }

    void slidersWriteTheProfileThePanelShows()
    {
        TestAppDir dir;
        writePanelsSetup(dir, 3389, "M1");
        currentConfig.ProfileID = 2;
        currentConfig.profiles[0] = panelsTestProfile();
        currentConfig.profiles[2] = panelsTestProfile();
        currentConfig.profiles[2].LedMode = 4;
        KroColorWindow panel;
        panel.setProfile(&currentConfig.profiles[2]);
        child<QSlider>(&panel, "brightnessSlider")->setValue(3);
        child<QSlider>(&panel, "speedSlider")->setValue(1);
        child<QSlider>(&panel, "sleepSlider")->setValue(8);
        QCOMPARE(currentConfig.profiles[2].lighting[4].bright, quint32(3));
        QCOMPARE(currentConfig.profiles[2].lighting[4].breath, quint32(1));
        QCOMPARE(currentConfig.profiles[2].LedSleepTime, quint8(8));
        QCOMPARE(currentConfig.profiles[0].lighting[4].bright, quint32(2));
        QCOMPARE(currentConfig.profiles[0].LedSleepTime, quint8(5));
        QCOMPARE(child<QLabel>(&panel, "sleepValueLabel")->text(), QString("8 MINUTE"));
    }

    void sleepSliderBoundedByDescription()
    {
        TestAppDir dir;
        writePanelsSetup(dir, 3389, "M1", "SleepMin=1\nSleepMax=9\n");
        KroColorWindow panel;
        ProfileData& p = currentConfig.profiles[0] = panelsTestProfile();
        panel.setProfile(&p);
        auto* sleep = child<QSlider>(&panel, "sleepSlider");
        QCOMPARE(sleep->minimum(), 1);
        sleep->setValue(30);
        QCOMPARE(sleep->value(), 9);
        QCOMPARE(p.LedSleepTime, quint8(9));
    }

    void lightOffBoxStoresZeroOr255AndHidesWithoutShowSleep()
    {
        TestAppDir dir;
        writePanelsSetup(dir, 3389, "M1");
        KroColorWindow panel;
        panel.show();
        ProfileData& p = currentConfig.profiles[1] = panelsTestProfile();
        panel.setProfile(&p);
        auto* box = child<QCheckBox>(&panel, "lightOffBox");
        QVERIFY(box->isChecked());
        box->click();
        QCOMPARE(p.LedMoveOFF, quint8(255));
        box->click();
        QCOMPARE(p.LedMoveOFF, quint8(0));

        writePanelsSetup(dir, 3389, "M1", "ShowSleep=0\n");
        KroColorWindow hidden;
        hidden.show();
        QVERIFY(!child<QCheckBox>(&hidden, "lightOffBox")->isVisible());
    }

    void effectOutsideTableKeepsControlsAndWritesNothing()
    {
        TestAppDir dir;
        writePanelsSetup(dir, 3389, "M1");
        KroColorWindow panel;
        panel.show();
        ProfileData& p = currentConfig.profiles[0] = panelsTestProfile();
        panel.setProfile(&p);
        p.LedMode = 40;
        panel.setProfile(&p);
        QVERIFY(shown(&panel, "brightnessSlider"));
        child<QSlider>(&panel, "brightnessSlider")->setValue(3);
        panel.slotSendLedState(Qt::green);
        int colourCalls = 0;
        onColourDialog([&](KroColorArea*) { return ++colourCalls; });
        panel.color_clicked();
        QCOMPARE(colourCalls, 0);
        QCOMPARE(p.LedMode, quint8(40));
    }

    void colourDialogAcceptStoresCancelKeeps()
    {
        TestAppDir dir;
        writePanelsSetup(dir, 3389, "M1");
        KroColorWindow panel;
        ProfileData& p = currentConfig.profiles[0] = panelsTestProfile();
        panel.setProfile(&p);
        onColourDialog([](KroColorArea* d) {
            d->setColor(QColor(10, 20, 30));
            return int(QDialog::Rejected);
        });
        panel.color_clicked();
        QCOMPARE(p.lighting[1].RGB, QColor(255, 0, 0));

        onColourDialog([](KroColorArea* d) {
            d->setColor(QColor(10, 20, 30));
            return int(QDialog::Accepted);
        });
        panel.color_clicked();
        QCOMPARE(p.lighting[1].RGB, QColor(10, 20, 30));
        QCOMPARE(child<DefaultColorArea>(&panel, "colorSwatch")->color(), QColor(10, 20, 30));
        QCOMPARE(p.lighting[2].RGB, QColor(255, 0, 0));

        // APPLY keeps the colour while the dialog stays open.
        onColourDialog([](KroColorArea* d) {
            d->setColor(QColor(1, 2, 3));
            child<QPushButton>(d, "applyButton")->click();
            return int(QDialog::Rejected);
        });
        panel.color_clicked();
        QCOMPARE(p.lighting[1].RGB, QColor(1, 2, 3));
    }

    void hexTextIsNormalisedByLength()
    {
        QCOMPARE(normaliseHex("f80"), QString("ff8800"));
        QCOMPARE(normaliseHex("1"), QString("000001"));
        QCOMPARE(normaliseHex(""), QString("000000"));
        QCOMPARE(normaliseHex("AB"), QString("0000ab"));
        QCOMPARE(normaliseHex("12345"), QString("012345"));
        QCOMPARE(normaliseHex("c0ffee"), QString("c0ffee"));
        QCOMPARE(normaliseHex("xyz"), QString());
        QCOMPARE(normaliseHex("1234567"), QString());
        QVERIFY(!colourFromHex("zz").isValid());
        QCOMPARE(hexFromColour(QColor(1, 10, 255)), QString("010aff"));
    }

    void hexEditInDialogNormalisesAndSetsColour()
    {
        TestAppDir dir;
        writePanelsSetup(dir, 3389, "M1");
        KroColorArea dialog;
        dialog.show();
        typeHex(&dialog, "f80");
        QCOMPARE(child<QLineEdit>(&dialog, "hexEdit")->text(), QString("ff8800"));
        QCOMPARE(dialog.color(), QColor(255, 136, 0));
        QCOMPARE(rgbSpins(&dialog), QColor(255, 136, 0));
        typeHex(&dialog, "1");
        QCOMPARE(child<QLineEdit>(&dialog, "hexEdit")->text(), QString("000001"));
        QCOMPARE(dialog.color(), QColor(0, 0, 1));
        typeHex(&dialog, "g#!"); // refused by the field
        QCOMPARE(dialog.color(), QColor(0, 0, 1));
    }

    void hsvAndRgbSpinBoxesAgree()
    {
        TestAppDir dir;
        writePanelsSetup(dir, 3389, "M1");
        KroColorArea dialog;
        child<QSpinBox>(&dialog, "rSpin")->setValue(40);
        child<QSpinBox>(&dialog, "gSpin")->setValue(200);
        child<QSpinBox>(&dialog, "bSpin")->setValue(90);
        const QColor rgb(40, 200, 90);
        QCOMPARE(dialog.color(), rgb);
        QCOMPARE(child<QSpinBox>(&dialog, "hSpin")->value(), rgb.hsvHue());
        QCOMPARE(child<QSpinBox>(&dialog, "sSpin")->value(), rgb.hsvSaturation());
        QCOMPARE(child<QSpinBox>(&dialog, "vSpin")->value(), rgb.value());
        QCOMPARE(child<QLineEdit>(&dialog, "hexEdit")->text(), hexFromColour(rgb));
        QCOMPARE(child<HColorArea>(&dialog, "hueStrip")->hue(), rgb.hsvHue());

        child<QSpinBox>(&dialog, "hSpin")->setValue(300);
        child<QSpinBox>(&dialog, "sSpin")->setValue(128);
        child<QSpinBox>(&dialog, "vSpin")->setValue(255);
        const QColor hsv = QColor::fromHsv(300, 128, 255).toRgb();
        QCOMPARE(rgbSpins(&dialog), hsv);
        QCOMPARE(dialog.color(), hsv); // an RGB colour, so it compares equal to what the profile holds
        QCOMPARE(child<SVColorArea>(&dialog, "svSquare")->saturation(), 128);

        child<QSpinBox>(&dialog, "hSpin")->setValue(360); // the top of the strip is hue 0
        QCOMPARE(dialog.color().rgb(), QColor::fromHsv(0, 128, 255).rgb());
    }

    void greyKeepsTheHueShown()
    {
        TestAppDir dir;
        writePanelsSetup(dir, 3389, "M1");
        KroColorArea dialog;
        dialog.setColor(QColor::fromHsv(120, 255, 255));
        dialog.setColor(QColor(128, 128, 128));
        QCOMPARE(child<QSpinBox>(&dialog, "hSpin")->value(), 120);
        QCOMPARE(child<QSpinBox>(&dialog, "sSpin")->value(), 0);
        QCOMPARE(dialog.color(), QColor(128, 128, 128));
    }

    void presetsAndStripsSetTheColour()
    {
        TestAppDir dir;
        writePanelsSetup(dir, 3389, "M1");
        KroColorArea dialog;
        dialog.show();
        auto* magenta = child<DefaultColorArea>(&dialog, "preset5");
        QTest::mouseClick(magenta, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(dialog.color(), QColor(255, 0, 255));

        auto* square = child<SVColorArea>(&dialog, "svSquare");
        QTest::mouseClick(square, Qt::LeftButton, {}, QPoint(square->side(), square->side())); // bottom right
        QCOMPARE(dialog.color().value(), 0);
        QTest::mouseClick(square, Qt::LeftButton, {}, QPoint(square->side() + 40, -30)); // clamped: top right
        QCOMPARE(dialog.color(), QColor(255, 0, 255));

        auto* strip = child<HColorArea>(&dialog, "hueStrip");
        QCOMPARE(strip->hueAt(HColorArea::TOP_MARGIN + strip->stripHeight()), 0);
        QCOMPARE(strip->hueAt(-50), 360);
        QCOMPARE(strip->hueAt(HColorArea::TOP_MARGIN + strip->stripHeight() / 2), 180);
        QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(5, HColorArea::TOP_MARGIN + strip->stripHeight() / 2));
        QCOMPARE(child<QSpinBox>(&dialog, "hSpin")->value(), 180);
        QCOMPARE(dialog.color().hsvHue(), 180);
    }

    void screenshot()
    {
        TestAppDir dir;
        writePanelsSetup(dir, 3389, "M1");
        QWidget back;
        back.setStyleSheet("background:rgb(20,20,20);");
        back.resize(351, 440);
        KroColorWindow panel(&back);
        panel.resize(351, 440);
        ProfileData& p = currentConfig.profiles[0] = panelsTestProfile();
        p.LedMode = 2;
        p.lighting[2].RGB = QColor(0, 160, 255);
        panel.setProfile(&p);
        back.show();
        back.grab().save("/tmp/panels-lighting.png");
        onColourDialog([](KroColorArea* d) {
            d->show();
            d->grab().save("/tmp/panels-colordialog.png");
            return int(QDialog::Rejected);
        });
        panel.color_clicked();
    }

    void previewShowsTheLightWhileThePageIsVisible()
    {
        TestAppDir dir;
        currentConfig.profiles[0].LedMode = 1;
        currentConfig.profiles[0].lighting[1].bright = 1;
        currentConfig.profiles[0].lighting[2].breath = 5;
        QWidget window;
        auto* picture = new QLabel(&window);
        auto* panel = new KroColorWindow(&window);
        panel->setProfile(&currentConfig.profiles[0]);
        panel->showPreviewOn(picture);
        window.show();
        LightingPreview* preview = panel->preview();
        QVERIFY(preview->isVisible());
        QVERIFY(!preview->animating());
        const double dim = preview->intensity();
        panel->findChild<KroSlider*>("brightnessSlider")->setValue(3);
        QVERIFY(preview->intensity() > dim); // a brighter static light
        panel->chooseEffect(2);
        QVERIFY(preview->animating()); // breathing
        panel->hide();
        QVERIFY(!preview->animating() && !preview->isVisible());
        panel->show();
        QVERIFY(preview->animating());
        panel->chooseEffect(0);
        QVERIFY(!preview->animating());
    }
};

QTEST_MAIN(TestLightingPanel)
#include "TestLightingPanel.moc"
