#include "calc/tensiones.h"
