#include "engine/engine_names.h"

FName EngineEventName(const char* Event) { return FName(Event, FNAME_Add); }
