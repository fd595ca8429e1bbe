// Row widget of a move entry in the mouse-action tree: its label and a distance edit.
#include "macros/KroTreeItem.h"

#include "macros/macroLook.h"
#include "store/appContext.h"
#include "widgets/KroLabel.h"
#include "widgets/skinStyle.h"

#include <QIntValidator>
#include <QLineEdit>
#include <QMouseEvent>

KroTreeItem::KroTreeItem(MoveDirection direction, QWidget* parent)
    : QWidget(parent)
    , m_direction(direction)
    , m_label(new KroLabel(this))
    , m_edit(new QLineEdit(this))
{
    setObjectName(QStringLiteral("moveItem%1").arg(int(direction)));
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(m_label, &KroLabel::EnterSignal, this, &KroTreeItem::KroMousePressed);
    m_edit->setObjectName(QStringLiteral("moveDistance%1").arg(int(direction)));
    m_edit->setValidator(new QIntValidator(1, MACRO_MAX_MOVE, m_edit));
    m_edit->setMaxLength(3);
    m_edit->setText(QStringLiteral("10"));
    m_edit->setStyleSheet(macroEditStyleSheet());
    m_edit->setAlignment(Qt::AlignCenter);
    // The tree's style sheet would otherwise hand the label a dimmed text colour.
    m_label->setStyleSheet(QStringLiteral("color:rgb(230,230,230);background:transparent"));
    setMinimumHeight(scaled(22));
    retranslate();
}

int KroTreeItem::distance() const
{
    return std::clamp(m_edit->text().toInt(), 1, MACRO_MAX_MOVE);
}

void KroTreeItem::setDistance(int distance)
{
    m_edit->setText(QString::number(std::clamp(distance, 1, MACRO_MAX_MOVE)));
}

void KroTreeItem::retranslate()
{
    m_label->setText(moveDirectionName(m_direction));
}

void KroTreeItem::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit KroMousePressed();
    QWidget::mousePressEvent(event);
}

void KroTreeItem::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int editWidth = scaled(34);
    m_edit->setFont(skinFont());
    m_label->setGeometry(0, 0, width() - editWidth - scaled(4), height());
    m_edit->setGeometry(width() - editWidth, scaled(2), editWidth, height() - scaled(4));
}
