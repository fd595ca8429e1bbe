// The whole skin: every painter's images together.
#include "tools/skingen/skinImages.h"

SkinList paintSkin(const QString& product)
{
    SkinList all;
    all += paintWindowChrome();
    all += paintButtons();
    all += paintIcons();
    all += paintDialogs();
    if (!product.isEmpty())
        all += paintMousePictures(product);
    return all;
}
