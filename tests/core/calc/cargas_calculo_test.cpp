#include "calc/cargas_calculo.h"

#include <gtest/gtest.h>
