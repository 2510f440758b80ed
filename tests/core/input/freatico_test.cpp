#include "input/freatico.h"

#include <gtest/gtest.h>
