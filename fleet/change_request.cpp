#include "fleet/change_request.h"
