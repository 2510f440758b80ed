#include "calc/calculo_cargas.h"
