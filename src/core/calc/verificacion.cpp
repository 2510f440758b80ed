#include "calc/verificacion.h"
