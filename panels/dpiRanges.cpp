// The range table of the DPI stage rows.
#include "panels/dpiRanges.h"

#include <QStringList>

namespace {

DpiRange make(int minDpi, int maxDpi, int minimum, int maximum, bool showLink)
{
    DpiRange r;
    r.minDpi = minDpi;
    r.maxDpi = maxDpi;
    r.minimum = minimum;
    r.maximum = maximum;
    r.showLink = showLink;
    return r;
}

// Products with the shorter 3327 range.
bool shortRange3327(const QString& product)
{
    static const QStringList products
        = { "K308-RGB", "QUILLS", "7458", "TARMIN3", "VANTIR", "K340-RGB", "NIMBRA2", "ALTESS2", "REGNAR" };
    return products.contains(product);
}

} // namespace

bool dpiRangeFor(int sensor, const QString& product, bool has33254, DpiRange& range)
{
    switch (sensor) {
    case 3104:
        range = make(500, 4200, 14, 105, true);
        return true;
    case 31042:
        range = make(500, 8400, 14, 158, true);
        return true;
    case 3212:
        range = make(600, 7200, 16, 111, false);
        return true;
    case 3311:
        range = make(100, 12000, 1, 120, false);
        return true;
    case 33112:
        range = make(100, 24000, 1, 180, false);
        return true;
    case 3325:
        range = has33254 ? make(100, 16000, 1, 90, false) : make(100, 5000, 1, 50, false);
        return true;
    case 33252:
        range = has33254 ? make(100, 16000, 1, 90, false) : make(100, 10000, 1, 75, false);
        return true;
    case 3327:
        range = shortRange3327(product) ? make(200, 12400, 1, 92, false) : make(200, 16400, 1, 106, false);
        return true;
    case 3333:
        range = make(200, 16000, 2, 120, false);
        return true;
    case 3335:
        range = make(100, 16000, 1, 160, false);
        return true;
    case 33352:
        range = make(100, 32000, 1, 240, false);
        return true;
    case 3360:
        range = make(100, 24000, 1, 180, true);
        return true;
    case 3370:
        range = make(50, 19000, 1, 290, false);
        return true;
    case 3389:
        range = make(100, 32000, 2, 480, true);
        return true;
    case 3395:
        range = make(50, 26000, 0, 519, false);
        return true;
    case 33952:
        range = make(50, 52000, 0, 779, false);
        return true;
    case 3399:
        range = make(50, 40000, 0, 599, true);
        return true;
    default:
        return false;
    }
}
