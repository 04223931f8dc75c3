#include "zadpawn/base_soldier.h"

#include "core/class_definition.h"

DEFINE_ENGINE_CLASS(ABaseSoldier, APawn, "BaseSoldier", "ZADPawn")

ABaseSoldier::ABaseSoldier() {}  // NOLINT: fields keep what the allocation wrote
ABaseSoldier::ABaseSoldier(const ABaseSoldier& Other) = default;
ABaseSoldier& ABaseSoldier::operator=(const ABaseSoldier& Other) = default;
ABaseSoldier::~ABaseSoldier() { ConditionalDestroy(); }
int32_t ABaseSoldier::MyStaticSize() { return sizeof(ABaseSoldier); }
