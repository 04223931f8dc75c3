// The ZADPawn library: everything a package includes from it.
#pragma once

#include "engine/engine.h"
#include "zadpawn/api.h"
#include "zadpawn/base_soldier.h"
