#include "calc/distribucion_cargas.h"

#include <gtest/gtest.h>
