#include "input/datos_tubos.h"
