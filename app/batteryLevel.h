#include "store/batteryLevel.h"
