#include "calc/calculo_cargas.h"

#include <gtest/gtest.h>
