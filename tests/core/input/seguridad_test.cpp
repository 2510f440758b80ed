#include "input/seguridad.h"

#include <gtest/gtest.h>
