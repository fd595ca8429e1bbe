// stub
#include "tools/skingen/paintKit.h"
#include "tools/skingen/skinImages.h"

SkinList paintDialogs()
{
    return {};
}
