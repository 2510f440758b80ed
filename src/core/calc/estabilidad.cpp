#include "calc/estabilidad.h"
