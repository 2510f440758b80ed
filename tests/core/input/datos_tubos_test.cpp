#include "input/datos_tubos.h"

#include <gtest/gtest.h>
