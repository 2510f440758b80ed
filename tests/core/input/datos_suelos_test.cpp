#include "input/datos_suelos.h"

#include <gtest/gtest.h>
