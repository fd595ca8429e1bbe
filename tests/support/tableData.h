// Reference tables kept as tab-separated text under tests/data/tables, typed in independently of
// the program's own tables so that a test can compare the two whole.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

// The rows of tests/data/tables/<file>, split at tabs; blank lines and lines starting with '#' are
// skipped. Empty when the file cannot be read.
QList<QStringList> tableRows(const QString& file);

// "3104,31042" -> {3104, 31042}.
QVector<int> intList(const QString& text);
