// Paints the macro event table: key names, button and move names, press/release and delays.
#pragma once

#include "store/macroFiles.h"

#include <QStyledItemDelegate>

class KroMacroItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    enum Column { KeyColumn = 0, ActionColumn = 1, DelayColumn = 2 };

    explicit KroMacroItemDelegate(int delayUnit, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // What a cell shows: its icon (skin path, may be empty) and text.
    static QString cellText(const MacroEvent& event, int column, int delayUnit);
    static QString cellIcon(const MacroEvent& event, int column);
    // The row an index belongs to, read from the model's three text columns.
    static MacroEvent rowEvent(const QModelIndex& index);

private:
    int m_unit;
};
