// skin_values: implementation follows.
#include "skin/data/skin_values.h"
