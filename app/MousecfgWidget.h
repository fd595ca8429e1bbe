// The main window: a frameless skinned window hosting the settings pages, the mouse pictures, the
// profile controls, the status corner and the tray icon.
#pragma once

#include "app/PicturePrefetch.h"
#include "app/ProfileHost.h"
#include "app/displayScale.h"
#include "device/DeviceEvents.h"
#include "store/language.h"

#include <QHash>
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <QSystemTrayIcon>
#include <QWidget>

#include <functional>
#include <memory>

class DeviceSession;
class KroAction;
class KroBtnWindow;
class KroColorWindow;
class KroDPIWindow;
class KroGetBatteryThread;
class KroLabel;
class KroLineEdit;
class KroMenu;
class KroPointSpeed;
class KroPushButton;
class KroReportRate;
class MacroDialog;
class ProfileManager;
class QAction;
class QLabel;
class QMenu;
class QScrollArea;
class QTranslator;
class ResultLine;
class SettingsPage;
class StatusDisplay;
class TrayController;

constexpr int PAGE_COUNT = 4;
constexpr int MARKER_COUNT = 20;
constexpr int SIDE_PAGE_FIRST = 100; // selectButtonInPanel: first button of the side page

class MousecfgWidget : public QWidget, public ProfileHost, public DeviceEvents {
    Q_OBJECT
public:
    enum Page { PageLighting = 0, PageCustomize = 1, PageDpi = 2, PageMacro = 3 };

    explicit MousecfgWidget(QWidget* parent = nullptr);
    // session: the mouse link, made by main and outliving the window; without one the window makes
    // and owns its own.
    explicit MousecfgWidget(DeviceSession* session, QWidget* parent = nullptr);
    ~MousecfgWidget() override;

    void switchPage(int page);
    // Builds the widgets of page unless they are built already.
    void ensurePage(int page);
    int currentPage() const { return m_page; }
    void placeWidgets();
    void loadPictures();
    void refreshScrollImages();
    void refreshPanels() override;
    void retranslateTexts() override;

    // Display scale: the screen's logical DPI picks the step; tests may fix the DPI instead.
    void rescale();
    void setLogicalDpiOverride(double dpi);
    int scaleStep() const { return m_step; }

    void showOsd(const QString& text);
    void updateConnectionIndicator();
    void showMainWindow();
    void startBatteryThread();
    void stopBatteryThread();
    bool warningOpen() const;

    ProfileManager* profiles() const { return m_profiles; }
    StatusDisplay* status() const { return m_status; }
    TrayController* tray() const { return m_tray; }
    QStringList detectedModels() const { return m_detectedModels; }

    // ProfileHost
    void showProfileName(const QString& name) override;
    QString profileNameText() const override;
    void showSlotText(const QString& text) override;
    void showSlotNames() override;
    void keepPanelEdits() override { gatherPanels(); }
    void showLoadedConfig() override;
    void hideWindow() override;
    void showResult(const QString& text, bool failed) override;
    QWidget* dialogParent() override { return this; }

    // DeviceEvents
    void rebuildDeviceMenu() override;
    void scheduleWarnClose() override;
    void scheduleWarning() override;
    void stopPoller() override { stopBatteryThread(); }
    void startPoller() override { startBatteryThread(); }
    void reloadConfiguration() override;
    void refreshConnection() override { updateConnectionIndicator(); }

public slots:
    void slotGotoMacro(quint8 iBtn);
    void SelBtnChanged(quint8 iBtn, quint8 iType);
    void slotMouseOver(KroPushButton* btn, bool bType);
    void slotEnableButtons(bool bEnable);
    void slotLiftChange(quint8 iLift);
    void slotPopOneClickBox();

    void slotRefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);
    void slotRefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode);
    void slotRefreshWriteStatus(quint8 iStatus);
    void slotRefreshProfile(quint8 iProfile);
    void slotRefreshDPIStage(quint8 iDPI);
    void slotRefreshRate(quint8 iRate);

    void slotWarning();
    void slotWarnClose();
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    void slot_show_mousename(QAction* action);

private slots:
    void onCommand();
    void onLanguageChosen(QAction* action);
    void onFirmwareEnter();
    void onFirmwareClicked();
    void afterFirstPaint();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Place {
        QWidget* widget;
        QRect rect;
    };

    // Construction steps.
    void buildInterface();
    void buildTopBar();
    void buildTabs();
    void buildPictures();
    void buildCustomizeControls();
    void retranslateButtons();
    void buildProfileControls();
    void buildBottomButtons();
    void buildLanguageMenu();
    bool switchTranslation(int index);
    QList<SettingsPage*> buildPage(int page);
    void addPage(QWidget* widget, const QString& name, const QRect& place);
    void linkSleepPages();
    void buildTray();
    KroPushButton* makeButton(
        const QStringList& images, const QString& name, const QRect& place, std::function<void()> action);
    static QStringList tabImages();

    // Layout and pictures.
    void applyScale(const DisplayScale& scale);
    void placeFrom(int firstPlace);
    void sizeButtonPanel();
    const QPixmap& backgroundForStep(int step);
    void applyFonts();
    void showFrontView(bool front);
    QString mousePicturePath(const QString& file) const;
    static QString backgroundPath();
    static QString batteryPath(int index);
    static QString logoPath();
    QPixmap scaledPicture(const QString& path, int w, int h);
    void loadCustomizePictures();
    void setFrontPicture(const QString& path);
    void showPageWidgets();

    // Panels.
    void gatherPanels();
    void retranslatePanels();
    void rescalePanels();
    void createButtonPanel();
    void selectButtonInPanel(int index);

    // Status and devices.
    void firmwareUpdate(bool cableVariant);
    void onDeviceWatcherChange();
    double logicalDpi() const;
    bool cablePresent() const;
    bool receiverPresent() const;

    // Pixmaps.
    PicturePrefetch m_prefetch;
    QPixmap m_backgrounds[SCALE_STEP_COUNT];
    QPixmap m_batteryPixmaps[2];
    QPixmap m_paintedBackground; // m_backgrounds[0] at m_paintedSize
    QSize m_paintedSize;
    int m_step = 0;
    double m_dpiOverride = 0;

    // Widgets of the layout table.
    QList<Place> m_places;
    QHash<QObject*, std::function<void()>> m_commands;
    KroPushButton* m_modelSelector = nullptr;
    QMenu* m_deviceMenu = nullptr;
    KroPushButton* m_langButton = nullptr;
    KroMenu* m_langMenu = nullptr;
    QList<KroAction*> m_langActions;
    KroPushButton* m_minButton = nullptr;
    KroPushButton* m_closeButton = nullptr;
    QLabel* m_logo = nullptr;
    KroPushButton* m_tabs[PAGE_COUNT] = {};
    QLabel* m_frontPicture = nullptr;
    QLabel* m_sidePicture = nullptr;
    KroLabel* m_modelLabel = nullptr;
    KroPushButton* m_frontButton = nullptr;
    KroPushButton* m_sideButton = nullptr;
    KroPushButton* m_frontMarkers[MARKER_COUNT] = {};
    KroPushButton* m_sideMarkers[MARKER_COUNT] = {};
    KroPushButton* m_scrollUp = nullptr;
    KroPushButton* m_scrollDown = nullptr;
    KroPushButton* m_slotSelector = nullptr;
    KroPushButton* m_slotIndicators[5] = {};
    KroLabel* m_nameLabel = nullptr;
    KroLineEdit* m_nameEdit = nullptr;
    KroPushButton* m_savedMenuButton = nullptr;
    QList<KroPushButton*> m_profileButtons; // import .. "Apply", in the order they are enabled
    KroPushButton* m_loadButton = nullptr;
    KroPushButton* m_saveButton = nullptr;
    KroPushButton* m_firmwareButton = nullptr;
    KroLabel* m_versionLabel = nullptr;
    ResultLine* m_resultLine = nullptr;

    // The settings pages built so far, in the order they load the record.
    QList<SettingsPage*> m_pages;
    bool m_pageBuilt[PAGE_COUNT] = {};
    KroColorWindow* m_lightingPanel = nullptr;
    KroDPIWindow* m_dpiPanel = nullptr;
    KroReportRate* m_ratePanel = nullptr;
    KroPointSpeed* m_speedPanel = nullptr;
    MacroDialog* m_macroPanel = nullptr;
    KroBtnWindow* m_buttonPanel = nullptr;
    QScrollArea* m_buttonArea = nullptr;
    double m_buttonPanelFactor = 1.0;

    StatusDisplay* m_status = nullptr;
    TrayController* m_tray = nullptr;
    ProfileManager* m_profiles = nullptr;
    QTranslator* m_translator = nullptr;
    std::unique_ptr<DeviceSession> m_ownSession;
    DeviceSession* m_session = nullptr;
    LanguageList m_languages;

    int m_page = 0;
    bool m_frontView = true;
    QStringList m_detectedModels;

    bool m_firmwarePressed = false;
    bool m_painted = false;
};
