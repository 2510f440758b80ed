#include "calc/verificacion.h"

#include <gtest/gtest.h>
