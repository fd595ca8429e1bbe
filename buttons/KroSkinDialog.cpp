// Common frame of the key, macro selection and gun set dialogs.
#include "buttons/KroSkinDialog.h"

#include "widgets/skinStyle.h"
#include "store/appContext.h"

#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QToolButton>

namespace {

QToolButton* makeAnswerButton(QWidget* parent, const char* icon, const QString& objectName)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setFocusPolicy(Qt::NoFocus);
    button->setIcon(QIcon(QString::fromLatin1(icon)));
    button->setIconSize(QSize(scaled(30), scaled(30)));
    button->setFixedSize(scaled(100), scaled(30));
    button->setFont(skinFont());
    const QColor accent = skinAccent();
    button->setStyleSheet(QStringLiteral("QToolButton{background: rgb(0, 0, 0); color: rgb(255, 255, 255);"
                                         "border-radius: 3px; border: 1px solid rgb(%1, %2, %3);}")
                              .arg(accent.red())
                              .arg(accent.green())
                              .arg(accent.blue()));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return button;
}

} // namespace

KroSkinDialog::KroSkinDialog(QWidget* parent, int width, int height, const QString& background)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_background(skinPixmap(background))
{
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(scaled(width), scaled(height));
    setFont(skinFont());
    m_yes = makeAnswerButton(this, ":/yes_Btn", QStringLiteral("yesBtn"));
    m_yes->setText(tr("Ok"));
    m_no = makeAnswerButton(this, ":/no_Btn", QStringLiteral("noBtn"));
    m_no->setText(tr("Cancel"));
    connect(m_yes, &QToolButton::clicked, this, [this] { onYes(); });
    connect(m_no, &QToolButton::clicked, this, &QDialog::reject);
}

QLabel* KroSkinDialog::makeTitle(const QString& objectName)
{
    QLabel* title = makeLabel(objectName, Qt::AlignLeft | Qt::AlignVCenter);
    title->setGeometry(scaled(20), scaled(15), width() - scaled(40), scaled(24));
    return title;
}

QLabel* KroSkinDialog::makeLabel(const QString& objectName, Qt::Alignment alignment)
{
    auto* label = new QLabel(this);
    label->setObjectName(objectName);
    label->setAlignment(alignment);
    label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    label->setFont(skinFont());
    return label;
}

QString KroSkinDialog::fieldStyle(bool error)
{
    return QStringLiteral("color: white; background: rgb(30, 30, 30); border: 1px solid %1;")
        .arg(error ? QStringLiteral("red") : QStringLiteral("gray"));
}

QLabel* KroSkinDialog::makeDisplay(const QString& objectName, const QRect& layoutRect)
{
    QLabel* display = makeLabel(objectName);
    display->setGeometry(
        scaled(layoutRect.x()), scaled(layoutRect.y()), scaled(layoutRect.width()), scaled(layoutRect.height()));
    display->setStyleSheet(fieldStyle());
    return display;
}

QLineEdit* KroSkinDialog::makeNumberEdit(const QString& objectName, int value)
{
    auto* edit = new QLineEdit(QString::number(value), this);
    edit->setObjectName(objectName);
    edit->setValidator(new QIntValidator(1, 255, edit));
    edit->setMaxLength(3);
    edit->setAlignment(Qt::AlignCenter);
    edit->setStyleSheet(fieldStyle());
    connect(edit, &QLineEdit::textChanged, edit, [edit] { edit->setStyleSheet(fieldStyle()); });
    return edit;
}

QString KroSkinDialog::checkBoxStyle()
{
    return QStringLiteral("QCheckBox{color: white; background: transparent;}"
                          "QCheckBox::indicator{width: %1px; height: %1px;}"
                          "QCheckBox::indicator:unchecked{image: url(%2);}"
                          "QCheckBox::indicator:checked{image: url(%3);}")
        .arg(scaled(16))
        .arg(skinFile(QStringLiteral("/skin/checkbox2-1.png")), skinFile(QStringLiteral("/skin/checkbox2-2.png")));
}

void KroSkinDialog::placeAnswerButtons(int y)
{
    const int gap = (width() - 2 * m_yes->width()) / 3;
    m_yes->move(gap, scaled(y));
    m_no->move(2 * gap + m_yes->width(), scaled(y));
}

void KroSkinDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!m_background.isNull())
        painter.drawPixmap(rect(), m_background);
    else
        painter.fillRect(rect(), QColor(30, 30, 30));
    painter.setPen(QPen(skinAccent(), 2));
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}
