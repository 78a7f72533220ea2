#include "engine/tvm_solvers.h"
