#include "fleet/change_request.h"

#include <gtest/gtest.h>
