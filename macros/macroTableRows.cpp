// Event rows in the editor's table model: three text columns Map, DataH, DataL.
#include "macros/macroTableRows.h"

#include <QStandardItemModel>

namespace {

QList<QStandardItem*> rowItems(const MacroEvent& e)
{
    QList<QStandardItem*> items;
    for (quint8 value : { e.map, e.dataH, e.dataL }) {
        auto* item = new QStandardItem(QString::number(value));
        item->setEditable(false);
        items.append(item);
    }
    return items;
}

} // namespace

MacroEvent tableRow(const QStandardItemModel& model, int row)
{
    auto byte = [&](int column) { return quint8(model.index(row, column).data().toString().toUInt() & 0xFF); };
    return { byte(0), byte(1), byte(2) };
}

QVector<MacroEvent> tableRows(const QStandardItemModel& model)
{
    QVector<MacroEvent> rows;
    for (int r = 0; r < model.rowCount(); ++r)
        rows.append(tableRow(model, r));
    return rows;
}

void setTableRow(QStandardItemModel& model, int row, const MacroEvent& e)
{
    const quint8 values[3] = { e.map, e.dataH, e.dataL };
    for (int c = 0; c < 3; ++c)
        model.setData(model.index(row, c), QString::number(values[c]));
}

void insertTableRow(QStandardItemModel& model, int row, const MacroEvent& event)
{
    model.insertRow(std::clamp(row, 0, model.rowCount()), rowItems(event));
}

void setTableRows(QStandardItemModel& model, const QVector<MacroEvent>& rows)
{
    model.removeRows(0, model.rowCount());
    for (const MacroEvent& e : rows)
        model.appendRow(rowItems(e));
}

bool moveTableRow(QStandardItemModel& model, int from, int to)
{
    const int n = model.rowCount();
    if (from < 0 || from >= n || to < 0 || to >= n || from == to)
        return false;
    const QList<QStandardItem*> items = model.takeRow(from);
    model.insertRow(to, items);
    return true;
}
