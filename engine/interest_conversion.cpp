#include "engine/interest_conversion.h"
