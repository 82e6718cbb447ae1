// lzh: implementation follows.
#include "skin/data/lzh.h"
