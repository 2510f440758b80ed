#include "calc/distribucion_cargas_2.h"
