#include "calc/distribucion_cargas.h"
