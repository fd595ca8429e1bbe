// The two process-wide configuration records.
#include "store/MouseConfig.h"

MouseConfig currentConfig;
MouseConfig sentConfig;
