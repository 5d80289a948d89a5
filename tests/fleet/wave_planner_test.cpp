#include "fleet/wave_planner.h"

#include <gtest/gtest.h>
