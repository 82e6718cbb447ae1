// skin_reader: implementation follows.
#include "skin/data/skin_reader.h"
