#include "input/datos_suelos.h"
