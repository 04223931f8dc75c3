// Export markers of the Core library. CORE_API is defined by the build: it
// exports from Core itself and imports everywhere else on Windows, and is empty
// on Linux, where every symbol keeps default visibility.
#pragma once

#ifndef CORE_API
#define CORE_API
#endif
