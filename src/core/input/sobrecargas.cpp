#include "input/sobrecargas.h"
