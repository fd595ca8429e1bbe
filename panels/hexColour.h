// The colour dialog's hexadecimal text: normalising it and converting to and from colours.
#pragma once

#include <QColor>
#include <QString>

// Empty -> "000000"; 1, 2, 4 or 5 digits padded with "0" on the left; 3 digits doubled one by
// one ("f80" -> "ff8800"); 6 digits kept. Lower case. Text that is not 0..6 hex digits gives "".
QString normaliseHex(const QString& text);
// Opaque colour of a text as normaliseHex reads it; invalid colour for unusable text.
QColor colourFromHex(const QString& text);
// Six lower-case digits, red, green, blue.
QString hexFromColour(const QColor& colour);
