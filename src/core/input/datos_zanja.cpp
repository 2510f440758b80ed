#include "input/datos_zanja.h"
