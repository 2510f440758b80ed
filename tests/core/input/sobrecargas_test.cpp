#include "input/sobrecargas.h"

#include <gtest/gtest.h>
