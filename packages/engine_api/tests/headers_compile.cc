// Every public header compiles on its own.
#include "core/core.h"
#include "engine/engine.h"
#include "host/package_host.h"
#include "host/script_call.h"
#include "host/script_class.h"
#include "zadpawn/zadpawn.h"
