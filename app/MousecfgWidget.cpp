// Construction of the main window in its fixed order, the command handler, pages, the front and
// side views with their markers and painting of the frameless window.
#include "app/MousecfgWidget.h"

#include "app/DeviceSession.h"
#include "app/ProfileManager.h"
#include "app/ResultLine.h"
#include "app/StartupProbe.h"
#include "app/StatusDisplay.h"
#include "app/TrayController.h"
#include "app/fileProblemNotice.h"
#include "buttons/KroBtnWindow.h"
#include "device/KroGetBatteryThread.h"
#include "device/hidDevices.h"
#include "macros/MacroDialog.h"
#include "panels/KroColorWindow.h"
#include "panels/KroDPIWindow.h"
#include "panels/KroPointSpeed.h"
#include "panels/KroReportRate.h"
#include "platform/PointerSpeed.h"
#include "store/MouseConfig.h"
#include "store/appContext.h"
#include "store/deviceDescription.h"
#include "store/profileFiles.h"
#include "store/settings.h"
#include "widgets/KroLabel.h"
#include "widgets/KroLineEdit.h"
#include "widgets/KroMenu.h"
#include "widgets/KroPushButton.h"
#include "widgets/NoFocusFrameStyle.h"
#include "widgets/WindowDrag.h"
#include "widgets/skinStyle.h"

#include <QApplication>
#include <QBitmap>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QTranslator>
#include <QUrl>

#include <future>

namespace {
// Slot strip, in layout pixels: one row per on-board profile, centred under the page tabs.
constexpr int STRIP_X = 86;
constexpr int STRIP_Y = 240;
constexpr int STRIP_STEP = 25;
constexpr int STRIP_WIDTH = 120;
constexpr int STRIP_HEIGHT = 20;
} // namespace

MousecfgWidget::MousecfgWidget(QWidget* parent)
    : MousecfgWidget(nullptr, parent)
{
}

MousecfgWidget::MousecfgWidget(DeviceSession* session, QWidget* parent)
    : QWidget(parent)
    , m_ownSession(session ? nullptr : std::make_unique<DeviceSession>())
    , m_session(session ? session : m_ownSession.get())
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("MousecfgWidget"));
    NoFocusFrameStyle::install();
    resize(400, 300);
    setWindowTitle(tr("MousecfgWidget"));
    if (appDir().isEmpty())
        setAppDir(QCoreApplication::applicationDirPath());

    // The pictures of the first paint are decoded while the window builds; the mask waits for the
    // background at the end.
    m_prefetch.start({ backgroundPath(), batteryPath(0), batteryPath(1), logoPath(),
        mousePicturePath(QStringLiteral("/Mouse.png")) });

    const DisplayScale scale = scaleForDpi(logicalDpi());
    m_step = scale.step;
    setScaleFactor(scale.factor);
    setBaseSize(LAYOUT_WIDTH, LAYOUT_HEIGHT);
    setMinimumSize(LAYOUT_WIDTH, LAYOUT_HEIGHT);
    resize(scaled(LAYOUT_WIDTH), scaled(LAYOUT_HEIGHT));
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize available = screen->size();
        move((available.width() - width()) / 2, (available.height() - height()) / 2);
    }

    StartupProbe::mark("skin pictures");
    m_session->watch(*this);
    setMainWindowObject(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    WindowDrag::makeSkinShaped(this);
    new WindowDrag(this);

    m_modelSelector = makeButton(tabImages(), QStringLiteral("modelSelector"), QRect(670, 33, 100, 20), {});
    m_session->enumerate();
    rebuildDeviceMenu();
    // The five profiles of the product just chosen are read while the controls are built.
    std::future<MouseConfig> profiles = std::async(std::launch::async, [] {
        MouseConfig loaded;
        loadAll(loaded);
        return loaded;
    });

    StartupProbe::mark("devices enumerated");
    setLanguageIndex(languageId());
    setFrenchLanguage(frenchIndex());
    m_translator = new QTranslator(this);
    readLanguageList(m_languages);

    setColorMode(colorModeSwitch());
    buildInterface();
    if (m_languages.count < 2)
        m_langButton->hide();
    const QString translation = translationFile(m_languages, languageIndex());
    if (!translation.isEmpty() && m_translator->load(translation))
        QCoreApplication::installTranslator(m_translator);

    StartupProbe::mark("window controls");
    m_profiles->loadSavedNames();

    setBatteryFullValue(batteryFullMillivolts());
    connect(m_session, &DeviceSession::RefreshBatteryStatus, this, &MousecfgWidget::slotRefreshBatteryStatus);
    connect(m_session, &DeviceSession::RefreshStatus, this, &MousecfgWidget::slotRefreshStatus);
    connect(m_session, &DeviceSession::RefreshWriteStatus, this, &MousecfgWidget::slotRefreshWriteStatus);
    m_session->open(currentProductName());

    StartupProbe::mark("mouse opened");
    // The start page is built while the profiles are still being read; it shows them once they are.
    const int startPage = ledDisable() ? PageCustomize : PageLighting;
    ensurePage(startPage);
    StartupProbe::mark("start page built");
    sentConfig = profiles.get();
    showFileProblemsLater(this);
    currentConfig = sentConfig;
    currentConfig.current().mousespeed = quint8(PointerSpeed::get());
    m_profiles->rebuildSavedProfileMenu();

    StartupProbe::mark("profiles loaded");
    switchPage(startPage);
    refreshPanels();
    StartupProbe::mark("start page shown");
    retranslateTexts();

    StartupProbe::mark("texts");
    showSlotText(m_profiles->slotText(currentConfig.activeSlot()));
    showProfileName(currentConfig.current().ProfileName.isEmpty()
            ? currentConfig.profileNames[currentConfig.activeSlot()]
            : currentConfig.current().ProfileName);
    StartupProbe::mark("names shown");
    buildTray();
    m_status->showUnknown(cablePresent(), receiverPresent());
    QTimer::singleShot(200, this, &MousecfgWidget::slotWarning);
    m_backgrounds[0] = m_prefetch.take(backgroundPath());
    m_batteryPixmaps[0] = m_prefetch.take(batteryPath(0));
    m_batteryPixmaps[1] = m_prefetch.take(batteryPath(1));
    const QPixmap& shape = backgroundForStep(m_step);
    if (!shape.isNull())
        setMask(shape.mask());
    StartupProbe::mark("window built");
}

MousecfgWidget::~MousecfgWidget()
{
    // The poller and hot-plug end with the window; the handles close with the session.
    m_session->detach();
    m_ownSession.reset();
    if (mainWindowObject() == this)
        setMainWindowObject(nullptr);
}

QStringList MousecfgWidget::tabImages()
{
    return { QStringLiteral("/skin/tabbutton-1.png"), QStringLiteral("/skin/tabbutton-3.png"),
        QStringLiteral("/skin/tabbutton-2.png") };
}

// A skin button at its layout rectangle whose click runs action through the command handler.
KroPushButton* MousecfgWidget::makeButton(
    const QStringList& images, const QString& name, const QRect& place, std::function<void()> action)
{
    auto* button = new KroPushButton(images, this);
    button->setObjectName(name);
    m_places.append({ button, place });
    if (action)
        m_commands.insert(button, std::move(action));
    connect(button, &QPushButton::clicked, this, &MousecfgWidget::onCommand);
    return button;
}

void MousecfgWidget::onCommand()
{
    const auto it = m_commands.constFind(sender());
    if (it != m_commands.constEnd())
        it.value()();
}

void MousecfgWidget::buildInterface()
{
    buildTopBar();
    buildTabs();
    buildPictures();
    buildProfileControls();
    buildBottomButtons();
    m_status = new StatusDisplay(this);
    connect(m_status, &StatusDisplay::modeChanged, this, [this] { update(); });
    m_versionLabel = new KroLabel(this);
    m_versionLabel->setObjectName(QStringLiteral("versionLabel"));
    m_places.append({ m_versionLabel, QRect(757, 594, 190, 20) });
    connect(m_versionLabel, &KroLabel::EnterSignal, this, [] {
        const QUrl url(versionText());
        if (url.isValid())
            QDesktopServices::openUrl(url);
    });
}

void MousecfgWidget::buildTopBar()
{
    m_langButton = makeButton(
        { QStringLiteral("/skin/lang.png"), QStringLiteral("/skin/lang.png"), QStringLiteral("/skin/lang.png") },
        QStringLiteral("languageButton"), QRect(774, 33, 105, 20), {});
    buildLanguageMenu();
    m_minButton = makeButton(
        { QStringLiteral("/skin/min-1.png"), QStringLiteral("/skin/min-2.png"), QStringLiteral("/skin/min-3.png") },
        QStringLiteral("minimiseButton"), QRect(903, 33, 19, 19), [this] { showMinimized(); });
    m_closeButton = makeButton({ QStringLiteral("/skin/close-1.png"), QStringLiteral("/skin/close-2.png"),
                                   QStringLiteral("/skin/close-3.png") },
        QStringLiteral("closeButton"), QRect(924, 33, 19, 19), [this] { m_tray->closeWindow(); });
    m_logo = new QLabel(this);
    m_logo->setObjectName(QStringLiteral("logo"));
    m_places.append({ m_logo, QRect(69, 20, 200, 50) });
}

void MousecfgWidget::buildTabs()
{
    static const char* const names[PAGE_COUNT] = { "tabLighting", "tabCustomize", "tabDpi", "tabMacro" };
    const bool collapsed[PAGE_COUNT] = { ledDisable() != 0, false, false, disableMacro() != 0 };
    for (int i = 0; i < PAGE_COUNT; ++i) {
        const QRect place = collapsed[i] ? QRect(69, 90 + 34 * i, 0, 0) : QRect(69, 90 + 34 * i, 154, 29);
        m_tabs[i] = makeButton(tabImages(), QLatin1String(names[i]), place, [this, i] { switchPage(i); });
        // The tab of the page on screen stays drawn selected when the pointer leaves it.
        m_tabs[i]->setSticky(true);
    }
}

void MousecfgWidget::buildPictures()
{
    m_frontPicture = new QLabel(this);
    m_frontPicture->setObjectName(QStringLiteral("frontPicture"));
    m_places.append({ m_frontPicture, QRect(562, 99, 450, 400) });
    m_modelLabel = new KroLabel(this);
    m_modelLabel->setObjectName(QStringLiteral("modelLabel"));
    m_modelLabel->setAlignment(Qt::AlignCenter);
    m_places.append({ m_modelLabel, QRect(637, 515, 300, 20) });
}

// The CUSTOMIZE page's controls on the mouse pictures: the side picture, the view buttons, the
// markers and the scroll buttons.
void MousecfgWidget::buildCustomizeControls()
{
    m_sidePicture = new QLabel(this);
    m_sidePicture->setObjectName(QStringLiteral("sidePicture"));
    m_places.append({ m_sidePicture, QRect(637, 99, 316, 443) });
    m_frontButton
        = makeButton(tabImages(), QStringLiteral("frontButton"), QRect(617, 99, 0, 0), [this] { showFrontView(true); });
    m_sideButton = makeButton(
        tabImages(), QStringLiteral("sideButton"), QRect(617, 320, 0, 0), [this] { showFrontView(false); });
    // Markers are collapsed in this layout; the first seven front markers have their places.
    static const QPoint frontPlaces[7]
        = { { 756, 233 }, { 826, 233 }, { 791, 238 }, { 729, 239 }, { 792, 282 }, { 790, 304 }, { 790, 304 } };
    const QStringList markerImages
        = { QStringLiteral("/skin/btn_2.png"), QStringLiteral("/skin/btn_1.png"), QStringLiteral("/skin/btn_1.png") };
    for (int k = 0; k < MARKER_COUNT; ++k) {
        const QPoint at = k < 7 ? frontPlaces[k] : QPoint();
        m_frontMarkers[k]
            = makeButton(markerImages, QStringLiteral("frontMarker%1").arg(k + 1), QRect(at, QSize()), [this, k] {
                  SelBtnChanged(quint8(k), 0);
                  selectButtonInPanel(k);
              });
        m_frontMarkers[k]->setText(QString::number(k + 1));
        m_frontMarkers[k]->setIndex(k);
        m_sideMarkers[k] = makeButton(markerImages, QStringLiteral("sideMarker%1").arg(k + 1), QRect(), {});
        m_sideMarkers[k]->setText(QString::number(k + 1));
        m_sideMarkers[k]->setIndex(k);
    }
    m_frontMarkers[0]->installEventFilter(this);
    m_scrollUp = makeButton({}, QStringLiteral("scrollUp"), QRect(792, 215, 0, 0), [this] {
        SelBtnChanged(0, 2);
        selectButtonInPanel(-1);
    });
    m_scrollDown = makeButton({}, QStringLiteral("scrollDown"), QRect(792, 261, 0, 0), [this] {
        SelBtnChanged(1, 2);
        selectButtonInPanel(-2);
    });
}

void MousecfgWidget::buildProfileControls()
{
    m_profiles = new ProfileManager(*this, this);
    const QStringList selectorImages = { QStringLiteral("/skin/profilesel.png"), QStringLiteral("/skin/profilesel.png"),
        QStringLiteral("/skin/profilesel.png") };
    m_slotSelector = makeButton(selectorImages, QStringLiteral("slotSelector"), QRect(0, 0, 0, 0), {});
    m_slotSelector->setMenu(m_profiles->slotMenu());
    // The slot strip under the page tabs: the five on-board profiles, the active one marked; a click
    // switches the mouse to that profile. Name field and the small buttons below act on the active one.
    const QStringList indicatorImages = { QStringLiteral("/skin/profile_edit_name_1.png"),
        QStringLiteral("/skin/profile_edit_name_2.png"), QStringLiteral("/skin/profile_edit_name_2.png") };
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        m_slotIndicators[i] = makeButton(indicatorImages, QStringLiteral("slotIndicator%1").arg(i + 1),
            QRect(STRIP_X, STRIP_Y + STRIP_STEP * i, STRIP_WIDTH, STRIP_HEIGHT),
            [this, i] { m_profiles->chooseSlot(i); });
        m_slotIndicators[i]->setSticky(true);
    }
    m_nameLabel = new KroLabel(this);
    m_nameLabel->setObjectName(QStringLiteral("nameLabel"));
    m_places.append({ m_nameLabel, QRect(69, 458, 154, 18) });
    m_nameEdit = new KroLineEdit(this);
    m_nameEdit->setObjectName(QStringLiteral("nameEdit"));
    // Framed in the skin's grey, in the accent colour while it is edited; no focus until clicked.
    m_nameEdit->setFocusPolicy(Qt::ClickFocus);
    m_nameEdit->setStyleSheet(
        QStringLiteral("QLineEdit{border:2px solid rgb(60,60,68);background-color:rgb(30,30,30);color:white}"
                       "QLineEdit:focus{border-color:%1}QToolTip{background-color:black}")
            .arg(skinAccent().name()));
    m_places.append({ m_nameEdit, QRect(68, 479, 130, 20) });
    connect(m_nameEdit, &QLineEdit::returnPressed, this, [this] { m_profiles->renameProfile(true); });

    m_savedMenuButton = makeButton(
        { QStringLiteral("/skin/profile_apply1.png"), QStringLiteral("/skin/profile_apply1.png"),
            QStringLiteral("/skin/profile_apply1.png") },
        QStringLiteral("savedProfileButton"), QRect(202, 479, 20, 20), [this] { m_profiles->renameProfile(false); });
    m_savedMenuButton->setMenu(m_profiles->savedMenu());

    auto images = [](const QString& a, const QString& b) {
        return QStringList { QStringLiteral("/skin/%1.png").arg(a), QStringLiteral("/skin/%1.png").arg(b),
            QStringLiteral("/skin/%1.png").arg(b) };
    };
    makeButton(images("profile_add1", "profile_add2"), QStringLiteral("addButton"), QRect(69, 504, 20, 20),
        [this] { m_profiles->addProfile(); });
    makeButton(images("profile_del1", "profile_del2"), QStringLiteral("deleteButton"), QRect(93, 504, 20, 20),
        [this] { m_profiles->deleteProfile(); });
    m_profileButtons << makeButton(images("profile_export1", "profile_export1"), QStringLiteral("importButton"),
        QRect(117, 504, 20, 20), [this] { m_profiles->importProfile(); });
    m_profileButtons << makeButton(images("profile_import1", "profile_import2"), QStringLiteral("exportButton"),
        QRect(141, 504, 20, 20), [this] { m_profiles->exportProfile(); });
    m_profileButtons << makeButton(images("profile_copy1", "profile_copy2"), QStringLiteral("copyButton"),
        QRect(165, 504, 20, 20), [this] { m_profiles->copyProfile(); });
    m_profileButtons << makeButton(images("profile_reset1", "profile_reset2"), QStringLiteral("resetButton"),
        QRect(189, 504, 20, 20), [this] { m_profiles->resetProfile(); });
    m_profileButtons.prepend(findChild<KroPushButton*>(QStringLiteral("deleteButton")));
    m_profileButtons.prepend(findChild<KroPushButton*>(QStringLiteral("addButton")));
}

void MousecfgWidget::buildBottomButtons()
{
    m_profileButtons << makeButton(tabImages(), QStringLiteral("resetAllButton"), QRect(308, 588, 128, 30),
        [this] { m_profiles->resetAllProfiles(); });
    m_loadButton = makeButton(
        tabImages(), QStringLiteral("loadButton"), QRect(439, 588, 76, 30), [this] { m_profiles->loadConfigFile(); });
    m_saveButton = makeButton(
        tabImages(), QStringLiteral("saveButton"), QRect(518, 588, 76, 30), [this] { m_profiles->saveConfigFile(); });
    m_profileButtons << makeButton(
        tabImages(), QStringLiteral("okButton"), QRect(439, 588, 0, 0), [this] { m_profiles->ok(); });
    m_profileButtons << makeButton(
        tabImages(), QStringLiteral("cancelButton"), QRect(518, 588, 0, 0), [this] { m_profiles->cancel(); });
    m_profileButtons << makeButton(
        tabImages(), QStringLiteral("applyButton"), QRect(597, 588, 76, 30), [this] { m_profiles->apply(); });
    m_resultLine = new ResultLine(this);
    m_places.append({ m_resultLine, QRect(308, 562, 440, 22) });
    m_firmwareButton
        = makeButton(tabImages(), QStringLiteral("firmwareButton"), QRect(0, 0, 0, 0), [this] { onFirmwareClicked(); });
    connect(m_firmwareButton, &KroPushButton::EnterSignal, this, &MousecfgWidget::onFirmwareEnter);
}

void MousecfgWidget::buildTray()
{
    const QIcon icon(appDir() + QStringLiteral("/skin/icon.ico"));
    setWindowIcon(icon);
    m_tray = new TrayController(this);
    connect(m_tray, &TrayController::showRequested, this, &MousecfgWidget::showMainWindow);
    m_tray->setIcon(icon, currentProductName());
}

// OK and Cancel leave the window as the close button does.
void MousecfgWidget::hideWindow()
{
    m_tray->closeWindow();
}

void MousecfgWidget::iconActivated(QSystemTrayIcon::ActivationReason reason)
{
    m_tray->iconActivated(reason);
}

bool MousecfgWidget::warningOpen() const
{
    return m_tray && m_tray->warningOpen();
}

void MousecfgWidget::switchPage(int page)
{
    if (page < 0 || page >= PAGE_COUNT)
        return;
    if (page == PageLighting && ledDisable())
        page = PageCustomize;
    m_page = page;
    for (int i = 0; i < PAGE_COUNT; ++i)
        m_tabs[i]->setState(i == page ? 1 : 0);
    ensurePage(page);
    showPageWidgets();
}

// Shows the widgets of the current page and hides those of the others.
void MousecfgWidget::showPageWidgets()
{
    const int page = m_page;
    const std::pair<QWidget*, int> pages[] = { { m_lightingPanel, PageLighting }, { m_buttonArea, PageCustomize },
        { m_dpiPanel, PageDpi }, { m_ratePanel, PageDpi }, { m_speedPanel, PageDpi }, { m_macroPanel, PageMacro } };
    for (const auto& shown : pages) {
        if (shown.first)
            shown.first->setVisible(page == shown.second);
    }
    const bool customize = page == PageCustomize;
    m_frontPicture->setVisible(page == PageLighting || (customize && m_frontView));
    m_modelLabel->setVisible(page == PageLighting || customize);
    if (!m_pageBuilt[PageCustomize])
        return;
    m_sidePicture->setVisible(customize && !m_frontView);
    m_frontButton->setVisible(customize);
    m_sideButton->setVisible(customize);
    m_scrollUp->setVisible(customize && m_frontView);
    m_scrollDown->setVisible(customize && m_frontView);
    for (int k = 0; k < MARKER_COUNT; ++k) {
        m_frontMarkers[k]->setVisible(customize && m_frontView);
        m_sideMarkers[k]->setVisible(customize && !m_frontView);
    }
}

void MousecfgWidget::showFrontView(bool front)
{
    m_frontView = front;
    m_frontButton->setState(front ? 1 : 0);
    m_sideButton->setState(front ? 0 : 1);
    showPageWidgets();
    selectButtonInPanel(front ? 0 : SIDE_PAGE_FIRST);
}

void MousecfgWidget::slotGotoMacro(quint8 iBtn)
{
    switchPage(iBtn);
}

void MousecfgWidget::SelBtnChanged(quint8 iBtn, quint8 iType)
{
    for (int k = 0; k < MARKER_COUNT; ++k) {
        m_frontMarkers[k]->setState(1);
        m_sideMarkers[k]->setState(1);
    }
    m_scrollUp->setState(1);
    m_scrollDown->setState(1);
    KroPushButton* chosen = nullptr;
    if (iType == 0 && iBtn < MARKER_COUNT)
        chosen = m_frontMarkers[iBtn];
    else if (iType == 1 && iBtn < MARKER_COUNT)
        chosen = m_sideMarkers[iBtn];
    else if (iType == 2)
        chosen = iBtn == 0 ? m_scrollUp : m_scrollDown;
    if (chosen)
        chosen->setState(0);
}

void MousecfgWidget::slotEnableButtons(bool bEnable)
{
    QList<KroPushButton*> buttons = { m_langButton, m_minButton, m_closeButton, m_firmwareButton, m_slotSelector,
        m_loadButton, m_saveButton, m_savedMenuButton, m_modelSelector };
    for (KroPushButton* tab : m_tabs)
        buttons << tab;
    for (KroPushButton* slot : m_slotIndicators)
        buttons << slot;
    buttons << m_profileButtons;
    for (KroPushButton* b : buttons)
        b->setEnabled(bEnable);
    m_nameEdit->setEnabled(bEnable);
}

void MousecfgWidget::slotLiftChange(quint8 iLift)
{
    currentConfig.LiftHigh = iLift;
}

void MousecfgWidget::showProfileName(const QString& name)
{
    m_nameEdit->setText(name);
}

QString MousecfgWidget::profileNameText() const
{
    return m_nameEdit->text();
}

void MousecfgWidget::showSlotText(const QString& text)
{
    m_slotSelector->setText(text);
}

// The strip: each slot with its name (a default name in the current language), the active one marked.
void MousecfgWidget::showSlotNames()
{
    const int active = currentConfig.activeSlot();
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        const QString& name = currentConfig.profileNames[i];
        QString caption = name;
        if (name.isEmpty())
            caption = tr("Profile") + QStringLiteral(" %1").arg(i + 1);
        else if (ProfileManager::isDefaultName(name))
            caption = tr("Profile") + name.mid(int(qstrlen("Profile")));
        m_slotIndicators[i]->setText(caption);
        m_slotIndicators[i]->setState(i == active ? 1 : 0);
    }
}

void MousecfgWidget::showResult(const QString& text, bool failed)
{
    m_resultLine->showResult(text, failed);
}

void MousecfgWidget::showLoadedConfig()
{
    switchPage(PageLighting);
    refreshScrollImages();
}

void MousecfgWidget::paintEvent(QPaintEvent*)
{
    if (!m_painted) {
        m_painted = true;
        QTimer::singleShot(0, this, &MousecfgWidget::afterFirstPaint);
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Smooth scaling of the whole background is costly, so it is redone only when the size changes.
    if (!m_backgrounds[0].isNull() && m_paintedSize != size()) {
        m_paintedBackground = m_backgrounds[0].scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        m_paintedSize = size();
    }
    if (!m_paintedBackground.isNull())
        painter.drawPixmap(0, 0, m_paintedBackground);
    const QPixmap& battery = m_batteryPixmaps[m_status && m_status->mode() < 2 ? 1 : 0];
    if (!battery.isNull()) {
        const QRect target(scaled(69), scaled(581), scaled(86), scaled(47));
        const QPixmap picture = battery.scaled(target.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        painter.drawPixmap(target.topLeft(), picture);
    }
}

// Work the first picture on screen need not wait for.
void MousecfgWidget::afterFirstPaint()
{
    m_prefetch.clear();
    // The factory profile that ADD copies (ADD writes it itself when the file is missing).
    writeDefaultProfileFile();
}

bool MousecfgWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_frontMarkers[0]) {
        if (event->type() == QEvent::Enter)
            m_frontMarkers[0]->setState(0);
        else if (event->type() == QEvent::Leave)
            m_frontMarkers[0]->setState(1);
    }
    return QWidget::eventFilter(watched, event);
}
