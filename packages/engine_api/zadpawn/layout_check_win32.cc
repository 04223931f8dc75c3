// The 32-bit object layout of the engine classes, checked where it ships:
// every package class derived from them must come out at exactly the size of
// its script class. Compiled only in the 32-bit Windows configuration.
#include <cstddef>

#include "zadpawn/zadpawn.h"

static_assert(sizeof(void*) == 4, "this file checks the 32-bit layout");

static_assert(sizeof(FArray) == 12);
static_assert(sizeof(TArray<int32_t>) == 12);
static_assert(sizeof(FString) == 12);
static_assert(sizeof(FStringNoInit) == 12);
static_assert(sizeof(FName) == 4);
static_assert(sizeof(FColor) == 4);
static_assert(sizeof(FVector) == 12);
static_assert(sizeof(FRotator) == 12);

static_assert(sizeof(AActor) == 496);
static_assert(sizeof(AInfo) == 496);
static_assert(sizeof(ATriggers) == 496);
static_assert(sizeof(AProjector) == 888);
static_assert(sizeof(APawn) == 1232);
static_assert(sizeof(AController) == 816);
static_assert(sizeof(ABaseSoldier) == 1536);

// offsetof on classes with virtual functions is conditionally supported;
// GCC gives the layout it uses, which is what the checks are about.
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
static_assert(offsetof(AActor, DrawScale) == 328, "the actor's float at byte 328");
static_assert(offsetof(AActor, Level) == 124, "the actor's object reference at byte 124");
static_assert(offsetof(ALevelInfo, MapKey) == 1004, "the referenced object's integer at 1004");
