// skin_keys: implementation follows.
#include "skin/data/skin_keys.h"
