// Event rows in the editor's table model: three text columns Map, DataH, DataL.
#pragma once

#include "store/macroFiles.h"

class QStandardItemModel;

MacroEvent tableRow(const QStandardItemModel& model, int row);
QVector<MacroEvent> tableRows(const QStandardItemModel& model);
void setTableRow(QStandardItemModel& model, int row, const MacroEvent& event);
void insertTableRow(QStandardItemModel& model, int row, const MacroEvent& event);
void setTableRows(QStandardItemModel& model, const QVector<MacroEvent>& rows);
// Moves a row; false (nothing changes) when either row is outside the table or they are equal.
bool moveTableRow(QStandardItemModel& model, int from, int to);
