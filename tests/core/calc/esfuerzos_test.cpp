#include "calc/esfuerzos.h"

#include <gtest/gtest.h>
