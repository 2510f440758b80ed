#include "calc/tensiones.h"

#include <gtest/gtest.h>
