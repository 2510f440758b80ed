#include "calc/esfuerzos.h"
