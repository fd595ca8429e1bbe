// One PNG showing every painted image with its name, for looking at the whole skin at once.
#pragma once

#include "tools/skingen/skinImages.h"

QImage contactSheet(const SkinList& images);
