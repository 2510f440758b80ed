#include "calc/estabilidad.h"

#include <gtest/gtest.h>
