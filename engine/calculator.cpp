#include "engine/calculator.h"
