#include "fleet/wave_planner.h"
