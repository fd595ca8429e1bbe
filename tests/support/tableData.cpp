// Reading the reference tables of tests/data/tables.
#include "tableData.h"

#include "TestAppDir.h"

#include <QFile>
#include <QTextStream>

QList<QStringList> tableRows(const QString& file)
{
    QList<QStringList> rows;
    QFile f(TestAppDir::sourceDir() + QStringLiteral("/tests/data/tables/") + file);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return rows;
    QTextStream in(&f);
    in.setCodec("UTF-8");
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
            rows.append(line.split(QLatin1Char('\t')));
    }
    return rows;
}

QVector<int> intList(const QString& text)
{
    QVector<int> values;
    for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts))
        values.append(part.toInt());
    return values;
}
