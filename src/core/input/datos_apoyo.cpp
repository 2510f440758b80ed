#include "input/datos_apoyo.h"
