// The skinned message box.
#include "widgets/KroMessageBox.h"

#include "store/appContext.h"
#include "widgets/KroLabel.h"
#include "widgets/WindowDrag.h"
#include "widgets/dialogHook.h"
#include "widgets/skinStyle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QFont boxFont()
{
    QFont font(QStringLiteral("Consolas"));
    font.setStyleHint(QFont::Monospace);
    font.setWeight(75);
    font.setPixelSize(scaled(14));
    return font;
}

} // namespace

KroMessageBox::KroMessageBox(int kind, const QString& windowTitle, const QString& heading, const QString& message,
    QWidget* parent, bool watchDevice, Qt::WindowFlags flags)
    : QDialog(parent, flags)
    , m_kind(kind)
{
    setObjectName(QStringLiteral("KroMessageBox"));
    setFixedSize(scaled(478), scaled(309));
    m_background = skinPixmap(QStringLiteral("/skin/dlg.png"));
    setAttribute(Qt::WA_TranslucentBackground);
    new WindowDrag(this);

    const int iconSize = scaled(45);
    m_icon = new QLabel(this);
    m_icon->setObjectName(QStringLiteral("msgBoxIcon"));
    m_icon->setFixedSize(iconSize, iconSize);
    const QPixmap icon
        = skinPixmap(kind == ReceiverWarning ? QStringLiteral("/skin/dongle2.png") : QStringLiteral("/skin/warn.png"));
    if (!icon.isNull())
        m_icon->setPixmap(icon.scaled(iconSize, iconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));

    const QFont font = boxFont();
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);
    setFont(font);

    m_heading = new KroLabel(this);
    m_heading->setObjectName(QStringLiteral("msgBoxInfoLabel1"));
    m_heading->setWordWrap(true);
    m_heading->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_heading->setText(heading);
    m_heading->setGeometry(scaled(20), scaled(20), scaled(300), scaled(20));

    m_message = new KroLabel(this);
    m_message->setObjectName(QStringLiteral("msgBoxInfoLabel2"));
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_message->setText(message);
    m_message->adjustSize();

    m_yes = makeButton(
        QStringLiteral(":/yes_Btn"), QStringLiteral("msgBoxYesBtn"), kind == Question ? tr("Yes") : tr("Ok"));
    connect(m_yes, &QToolButton::released, this, &QDialog::accept);
    if (kind == Question) {
        m_no = makeButton(QStringLiteral(":/no_Btn"), QStringLiteral("msgBoxNoBtn"), tr("No"));
        connect(m_no, &QToolButton::released, this, &QDialog::reject);
    }

    auto* messageRow = new QHBoxLayout;
    messageRow->addSpacing(scaled(30));
    messageRow->addWidget(m_icon);
    messageRow->addSpacing(scaled(30));
    messageRow->addWidget(m_message, 1);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(m_yes);
    if (m_no) {
        buttonRow->addStretch();
        buttonRow->addWidget(m_no);
    }
    buttonRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    // Keep the message clear of the heading drawn at the top.
    layout->setContentsMargins(scaled(10), scaled(48), scaled(30), 0);
    layout->addLayout(messageRow, 1);
    layout->addLayout(buttonRow);
    layout->addSpacing(scaled(30));

    setWindowTitle(windowTitle);
    if (watchDevice) {
        m_watch = new QTimer(this);
        connect(m_watch, &QTimer::timeout, this, &KroMessageBox::GetPlugInSignal);
        m_watch->start(100);
    }
}

QToolButton* KroMessageBox::makeButton(const QString& icon, const QString& objectName, const QString& text)
{
    auto* button = new QToolButton(this);
    button->setObjectName(objectName);
    button->setFocusPolicy(Qt::NoFocus);
    button->setIcon(QIcon(icon));
    button->setIconSize(QSize(scaled(30), scaled(30)));
    button->setFixedSize(scaled(100), scaled(30));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setFont(boxFont());
    const QColor c = skinAccent();
    button->setStyleSheet(QStringLiteral("QToolButton{background: rgb(0, 0, 0); color: rgb(255, 255, 255);"
                                         " border-radius: 3px;  border: 1px rgb(%1, %2, %3);"
                                         " border-style: outset;}")
                              .arg(c.red())
                              .arg(c.green())
                              .arg(c.blue()));
    button->setText(text);
    return button;
}

QString KroMessageBox::heading() const
{
    return m_heading->text();
}
QString KroMessageBox::message() const
{
    return m_message->text();
}

void KroMessageBox::GetPlugInSignal()
{
    if (!mouseConnected())
        return;
    m_closedByDevice = true;
    if (m_watch)
        m_watch->stop();
    accept();
}

int KroMessageBox::exec()
{
    return dialogHook::exec(this, dialogHook::Kind::Message, { heading(), message() }, m_kind);
}

bool KroMessageBox::ask(QWidget* parent, const QString& message)
{
    KroMessageBox box(Question, QString(), tr("Warning"), message, parent);
    return box.exec() == QDialog::Accepted;
}

void KroMessageBox::warn(QWidget* parent, const QString& message)
{
    KroMessageBox box(Warning, QString(), tr("Warning"), message, parent);
    box.exec();
}

void KroMessageBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!m_background.isNull())
        p.drawPixmap(rect(), m_background);
    else
        p.fillRect(rect(), QColor(24, 24, 26));
    p.setPen(QPen(skinAccent(), 2));
    p.drawRect(rect().adjusted(1, 1, -1, -1));
}
