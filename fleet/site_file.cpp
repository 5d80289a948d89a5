#include "fleet/site_file.h"
