// Paints the macro event table: key names, button and move names, press/release and delays.
#include "macros/KroMacroItemDelegate.h"

#include "store/appContext.h"
#include "store/keyTable.h"
#include "widgets/skinStyle.h"

#include <QApplication>
#include <QPainter>

KroMacroItemDelegate::KroMacroItemDelegate(int delayUnit, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_unit(delayUnit)
{
}

MacroEvent KroMacroItemDelegate::rowEvent(const QModelIndex& index)
{
    const QAbstractItemModel* model = index.model();
    if (!model)
        return {};
    auto byte = [&](int column) { return quint8(model->index(index.row(), column).data().toInt() & 0xFF); };
    return { byte(0), byte(1), byte(2) };
}

QString KroMacroItemDelegate::cellText(const MacroEvent& e, int column, int delayUnit)
{
    const MacroEventKind kind = e.kind();
    if (column == DelayColumn)
        return kind == MacroEventKind::Delay ? QString::asprintf("%d", delayMilliseconds(e, delayUnit)) : QString();
    if (kind == MacroEventKind::Move) {
        const MacroMove m = decodeMove(e);
        return column == KeyColumn ? moveDirectionName(m.direction) : QString::number(m.distance);
    }
    if (kind != MacroEventKind::Key && kind != MacroEventKind::Button)
        return QString();
    if (column == ActionColumn)
        return e.isPress() ? QApplication::translate("MacroDialog", "Press")
                           : QApplication::translate("MacroDialog", "Release");
    if (kind == MacroEventKind::Button)
        return macroButtonName(macroButtonIndex(e.dataL));
    quint8 code = 0;
    return keyForHidUsage(e.dataL, code) ? keyName(code) : QString();
}

QString KroMacroItemDelegate::cellIcon(const MacroEvent& e, int column)
{
    const MacroEventKind kind = e.kind();
    if (column == KeyColumn && kind == MacroEventKind::Key)
        return QStringLiteral("/skin/keybo.png");
    if (column == KeyColumn && kind == MacroEventKind::Move)
        return QStringLiteral("/skin/mouse_move.png");
    if (column == ActionColumn && (kind == MacroEventKind::Key || kind == MacroEventKind::Button))
        return e.isPress() ? QStringLiteral("/skin/keydown.png") : QStringLiteral("/skin/keyup.png");
    return QString();
}

void KroMacroItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const MacroEvent e = rowEvent(index);
    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    painter->fillRect(option.rect, selected ? skinAccent().darker(160) : QColor(30, 30, 30));
    QRect r = option.rect.adjusted(scaled(6), 0, -scaled(4), 0);
    const QPixmap icon = skinPixmap(cellIcon(e, index.column()));
    if (!icon.isNull()) {
        const int side = std::min(r.height() - scaled(4), scaled(20));
        const QRect iconRect(r.left(), r.top() + (r.height() - side) / 2, side, side);
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
        painter->drawPixmap(iconRect, icon);
        r.setLeft(iconRect.right() + scaled(6));
    }
    painter->setFont(skinFont());
    painter->setPen(Qt::white);
    const QString text = cellText(e, index.column(), m_unit);
    painter->drawText(
        r, Qt::AlignLeft | Qt::AlignVCenter, painter->fontMetrics().elidedText(text, Qt::ElideRight, r.width()));
    painter->restore();
}
