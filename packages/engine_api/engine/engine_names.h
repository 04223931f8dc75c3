// Names of the script events that the engine itself raises.
#pragma once

#include "core/names.h"

FName EngineEventName(const char* Event);
