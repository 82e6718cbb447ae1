// lzh_encoder: implementation follows.
#include "skin/data/lzh_encoder.h"
