#include "input/datos_apoyo.h"

#include <gtest/gtest.h>
