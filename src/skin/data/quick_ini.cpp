// quick_ini: implementation follows.
#include "skin/data/quick_ini.h"
