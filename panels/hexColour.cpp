// Hex text of the colour dialog.
#include "panels/hexColour.h"

#include <QRegularExpression>

QString normaliseHex(const QString& text)
{
    static const QRegularExpression hexDigits(QStringLiteral("^[0-9a-fA-F]{0,6}$"));
    const QString t = text.trimmed().toLower();
    if (!hexDigits.match(t).hasMatch())
        return QString();
    if (t.size() == 3) {
        QString doubled;
        for (const QChar c : t)
            doubled += QString(2, c);
        return doubled;
    }
    return t.rightJustified(6, QLatin1Char('0'));
}

QColor colourFromHex(const QString& text)
{
    const QString hex = normaliseHex(text);
    if (hex.isEmpty())
        return QColor();
    bool ok = false;
    const uint rgb = hex.toUInt(&ok, 16);
    return ok ? QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF, 255) : QColor();
}

QString hexFromColour(const QColor& colour)
{
    auto two = [](int v) { return QString::number(v, 16).rightJustified(2, QLatin1Char('0')); };
    return QStringLiteral("%1%2%3").arg(two(colour.red()), two(colour.green()), two(colour.blue()));
}
