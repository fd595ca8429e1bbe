// Placement of the main window at the display scale: the rectangle table, pictures, fonts, and
// rescaling when the window reaches a screen of another DPI.
#include "app/MousecfgWidget.h"

#include "app/ProfileManager.h"
#include "app/StatusDisplay.h"
#include "app/modelSwitches.h"
#include "buttons/KroBtnWindow.h"
#include "store/appContext.h"
#include "store/deviceDescription.h"
#include "store/language.h"
#include "store/settings.h"
#include "widgets/KroAction.h"
#include "widgets/KroLabel.h"
#include "widgets/KroLineEdit.h"
#include "widgets/KroMenu.h"
#include "widgets/KroPushButton.h"

#include <QBitmap>
#include <QDebug>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QScrollArea>
#include <QWindow>

namespace {

QRect scaledRect(const QRect& r)
{
    return QRect(scaled(r.x()), scaled(r.y()), scaled(r.width()), scaled(r.height()));
}

} // namespace

double MousecfgWidget::logicalDpi() const
{
    if (m_dpiOverride > 0)
        return m_dpiOverride;
    QScreen* screen = nullptr;
    if (isVisible())
        screen = QGuiApplication::screenAt(geometry().center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}

void MousecfgWidget::setLogicalDpiOverride(double dpi)
{
    m_dpiOverride = dpi;
    rescale();
}

const QPixmap& MousecfgWidget::backgroundForStep(int step)
{
    QPixmap& pixmap = m_backgrounds[step];
    if (pixmap.isNull() && step > 0 && !m_backgrounds[0].isNull()) {
        const double f = factorForStep(step);
        pixmap = m_backgrounds[0].scaled(
            int(LAYOUT_WIDTH * f), int(LAYOUT_HEIGHT * f), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    return pixmap;
}

void MousecfgWidget::rescale()
{
    if (!m_profiles)
        return; // still under construction
    const DisplayScale scale = scaleForDpi(logicalDpi());
    if (scale.step == m_step && scaleFactor() == scale.factor && width() == scaled(LAYOUT_WIDTH))
        return;
    applyScale(scale);
}

// Publishes the factor, sizes the window to the layout at that factor, masks it and places everything.
void MousecfgWidget::applyScale(const DisplayScale& scale)
{
    m_step = scale.step;
    setScaleFactor(scale.factor);
    const QPixmap& background = backgroundForStep(m_step);
    resize(scaled(LAYOUT_WIDTH), scaled(LAYOUT_HEIGHT));
    if (!background.isNull())
        setMask(background.mask());
    rescalePanels();
    placeWidgets();
    qDebug("width = %d, height = %d m_iDpiVal = %d\n", width(), height(), m_step);
}

void MousecfgWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    rescale();
}

void MousecfgWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Moving to a screen of another DPI rescales the window (Qt's own scaling is off).
    if (QWindow* handle = windowHandle()) {
        connect(handle, &QWindow::screenChanged, this, &MousecfgWidget::rescale, Qt::UniqueConnection);
    }
}

void MousecfgWidget::placeWidgets()
{
    placeFrom(0);
    sizeButtonPanel();
    if (m_status)
        m_status->rescale();
    const QPixmap logo = scaledPicture(logoPath(), 200, 50);
    if (!logo.isNull())
        m_logo->setPixmap(logo);
    loadPictures();
    applyFonts();
    update();
}

// Places the widgets of the layout table from entry firstPlace on.
void MousecfgWidget::placeFrom(int firstPlace)
{
    for (int i = firstPlace; i < m_places.size(); ++i)
        m_places[i].widget->setGeometry(scaledRect(m_places[i].rect));
}

void MousecfgWidget::sizeButtonPanel()
{
    if (!m_buttonPanel)
        return;
    const int count = usableButtonCount();
    m_buttonPanel->setFixedSize(scaled(332), count > 9 ? scaled(50 * count + 20) : scaled(440));
}

void MousecfgWidget::applyFonts()
{
    const QFont font = languageFont(scaleFactor());
    setFont(font);
    m_nameEdit->setFont(font);
    m_langMenu->setFixedWidth(scaled(105));
    m_profiles->slotMenu()->setFixedWidth(scaled(152));
    m_profiles->savedMenu()->setFixedWidth(scaled(152));
    m_langMenu->applyFont();
    for (KroAction* action : qAsConst(m_langActions))
        action->applyFont();
    for (QAction* action : m_profiles->slotMenu()->actions())
        action->setFont(font);
    for (QAction* action : m_profiles->savedMenu()->actions())
        action->setFont(font);
}

QString MousecfgWidget::mousePicturePath(const QString& file) const
{
    return appDir() + QStringLiteral("/skin/mouse/") + currentProductName() + file;
}

void MousecfgWidget::setFrontPicture(const QString& path)
{
    const QPixmap picture = scaledPicture(path, 450, 400);
    if (!picture.isNull())
        m_frontPicture->setPixmap(picture);
}

QString MousecfgWidget::backgroundPath()
{
    return appDir() + QStringLiteral("/skin/cfgMainback.png");
}

QString MousecfgWidget::batteryPath(int index)
{
    return appDir() + QStringLiteral("/skin/bat%1.png").arg(index + 1);
}

QString MousecfgWidget::logoPath()
{
    return appDir() + QStringLiteral("/skin/mouselogo.png");
}

QPixmap MousecfgWidget::scaledPicture(const QString& path, int w, int h)
{
    const QPixmap picture = m_prefetch.take(path);
    if (picture.isNull())
        return picture;
    return picture.scaled(scaled(w), scaled(h), Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void MousecfgWidget::loadPictures()
{
    setFrontPicture(mousePicturePath(QStringLiteral("/Mouse.png")));
    loadCustomizePictures();
}

// The side picture, markers and scroll buttons show on the CUSTOMIZE page only: they are loaded
// once it is built.
void MousecfgWidget::loadCustomizePictures()
{
    if (!m_pageBuilt[PageCustomize])
        return;
    for (int k = 0; k < MARKER_COUNT; ++k) {
        m_frontMarkers[k]->resize(0, 0);
        m_sideMarkers[k]->resize(0, 0);
    }
    m_scrollUp->resize(0, 0);
    m_scrollDown->resize(0, 0);
    const QPixmap side = scaledPicture(mousePicturePath(QStringLiteral("_Side.png")), 300, 300);
    if (!side.isNull())
        m_sidePicture->setPixmap(side);
    refreshScrollImages();
}

void MousecfgWidget::refreshScrollImages()
{
    if (!m_pageBuilt[PageCustomize])
        return;
    const QString product = currentProductName();
    m_scrollUp->setImages(scrollImagesFor(product, true));
    m_scrollDown->setImages(scrollImagesFor(product, false));
}

// The button page's labels carry their 1-based number (253/254 for the wheel pair, which has no
// marker); the front markers and the hover pictures count from 0 and 1.
void MousecfgWidget::slotMouseOver(KroPushButton* btn, bool bType)
{
    int k = -1;
    for (int i = 0; i < MARKER_COUNT; ++i) {
        if (m_frontMarkers[i] == btn)
            k = i;
    }
    if (k < 0 && btn)
        k = btn->index() - 1;
    if (k < 0 || k >= MARKER_COUNT)
        return;
    m_frontMarkers[k]->setState(bType ? 0 : 1);
    setFrontPicture(bType ? mousePicturePath(QStringLiteral("/mouse_%1.png").arg(k + 1))
                          : mousePicturePath(QStringLiteral("/Mouse.png")));
}
