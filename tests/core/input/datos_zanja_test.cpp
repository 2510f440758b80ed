#include "input/datos_zanja.h"

#include <gtest/gtest.h>
