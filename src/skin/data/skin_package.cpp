// skin_package: implementation follows.
#include "skin/data/skin_package.h"
