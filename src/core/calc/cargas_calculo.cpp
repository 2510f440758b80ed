#include "calc/cargas_calculo.h"
