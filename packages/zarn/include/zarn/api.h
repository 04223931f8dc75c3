// Export marker of the Zarn package library. ZARN_API is defined by the build:
// it exports from Zarn itself and imports in every target that links it on
// Windows, and is empty on Linux, where every symbol keeps default visibility.
#pragma once

#ifndef ZARN_API
#define ZARN_API
#endif
