#include "input/seguridad.h"
