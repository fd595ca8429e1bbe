// Event list row with an inline delay editor.
#include "widgets/KroListItem.h"

#include "widgets/KroLabel.h"
#include "widgets/KroLineEdit.h"
#include "store/appContext.h"

#include <QDebug>
#include <QIntValidator>

KroListItem::KroListItem(QWidget* parent)
    : QWidget(parent)
    , m_label(new KroLabel(this))
    , m_editor(new KroLineEdit(this))
{
    resize(scaled(100), scaled(50));
    const QRect textRect(0, (height() - scaled(20)) / 2, scaled(160), scaled(20));
    m_label->setObjectName(QStringLiteral("listItemLabel"));
    m_label->setGeometry(textRect);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_editor->setObjectName(QStringLiteral("listItemEditor"));
    m_editor->setGeometry(textRect);
    m_editor->setValidator(new QIntValidator(1, 99999, m_editor));
    m_editor->setStyleSheet(QStringLiteral("color:black"));
    m_editor->hide();
    connect(m_editor, &QLineEdit::returnPressed, this, &KroListItem::lostFocusSlot);
    connect(m_editor, &KroLineEdit::kroLostFocus, this, &KroListItem::lostFocusSlot);
}

void KroListItem::setText(const QString& text)
{
    m_text = text;
    m_label->setText(text);
}

void KroListItem::setItem(quint8 type, quint8 high, quint8 low)
{
    m_type = type;
    m_high = high;
    m_low = low;
}

int KroListItem::clampDelay(int ms)
{
    if (ms < 10)
        return 10;
    if (ms > 65529)
        return 65530;
    return ms / 10 * 10;
}

void KroListItem::editPressSlot()
{
    if (m_type != DelayType)
        return;
    m_editor->setText(QString::number(delayMs()));
    m_label->hide();
    m_editor->show();
    m_editor->setFocus();
    m_editor->end(false);
}

void KroListItem::lostFocusSlot()
{
    qDebug("lostFocusSlot\n");
    // Return and the focus loss that follows both land here; only the first one edits.
    if (m_type != DelayType || m_editor->isHidden())
        return;
    const int ms = clampDelay(m_editor->text().toInt());
    const int units = ms / 10;
    m_high = quint8(units >> 8);
    m_low = quint8(units & 0xFF);
    setText(QString::number(ms) + QStringLiteral(" ms"));
    m_editor->hide();
    m_label->show();
    if (parentWidget())
        parentWidget()->setFocus();
    emit delayChangedSignal(ms);
}
