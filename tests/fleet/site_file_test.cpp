#include "fleet/site_file.h"

#include <gtest/gtest.h>
