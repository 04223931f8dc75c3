// Export markers of the ZADPawn library (see core/api.h).
#pragma once

#ifndef ZADPAWN_API
#define ZADPAWN_API
#endif
