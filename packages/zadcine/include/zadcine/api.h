// Export marker of the ZADCine package library. ZADCINE_API is defined by the
// build: it exports from ZADCine itself and imports in every target that
// links it on Windows, and is empty on Linux, where every symbol keeps
// default visibility.
#pragma once

#ifndef ZADCINE_API
#define ZADCINE_API
#endif
