// Export markers of the Engine library (see core/api.h).
#pragma once

#ifndef ENGINE_API
#define ENGINE_API
#endif
