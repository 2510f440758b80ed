#include "input/freatico.h"
