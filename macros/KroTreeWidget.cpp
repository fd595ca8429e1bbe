// The mouse-action tree: five buttons (with PRESS DOWN / BOUNCE UP children) and four moves.
#include "macros/KroTreeWidget.h"

#include "macros/KroTreeItem.h"
#include "macros/macroLook.h"
#include "widgets/skinStyle.h"

#include <QHeaderView>

KroTreeWidget::KroTreeWidget(QWidget* parent)
    : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("macroActionTree"));
    setColumnCount(1);
    setFocusPolicy(Qt::NoFocus);
    setRootIsDecorated(true);
    for (int b = 0; b < MACRO_BUTTON_COUNT; ++b) {
        auto* item = new QTreeWidgetItem(this);
        item->setData(0, ButtonRole, b);
        item->setData(0, PartRole, WholeClick);
        for (int part : { PressDown, BounceUp }) {
            auto* child = new QTreeWidgetItem(item);
            child->setData(0, ButtonRole, b);
            child->setData(0, PartRole, part);
        }
    }
    for (int d = 0; d < 4; ++d) {
        auto* item = new QTreeWidgetItem(this);
        item->setData(0, ButtonRole, -1);
        m_moves[d] = new KroTreeItem(MoveDirection(d));
        setItemWidget(item, 0, m_moves[d]);
    }
    setStyleSheet(QStringLiteral("QTreeWidget{background:rgb(30,30,30);color:white;border:1px solid rgb(70,70,70)}"
                                 "QHeaderView::section{background:rgb(50,50,50);color:white;border:0px}"
                                 "QTreeWidget::item:selected{background:%1}")
                      .arg(skinAccent().darker(160).name())
        + macroScrollBarStyleSheet());
    retranslate();
}

int KroTreeWidget::buttonOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, ButtonRole).toInt() : -1;
}

int KroTreeWidget::partOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, PartRole).toInt() : 0;
}

int KroTreeWidget::contentHeight() const
{
    int height = header()->sizeHint().height() + 2 * frameWidth();
    for (int i = 0; i < topLevelItemCount(); ++i)
        height += indexRowSizeHint(indexFromItem(topLevelItem(i)));
    return height;
}

void KroTreeWidget::retranslate()
{
    setHeaderLabel(tr("MOUSE ACTION"));
    for (int b = 0; b < MACRO_BUTTON_COUNT; ++b) {
        QTreeWidgetItem* item = topLevelItem(b);
        item->setText(0, macroButtonName(b));
        item->child(0)->setText(0, tr("PRESS DOWN"));
        item->child(1)->setText(0, tr("BOUNCE UP"));
    }
    for (KroTreeItem* move : m_moves)
        move->retranslate();
}
