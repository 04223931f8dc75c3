#include "engine/info.h"

#include "core/class_definition.h"

DEFINE_ENGINE_CLASS(AInfo, AActor, "Info", "Engine")
DEFINE_ENGINE_CLASS(ALevelInfo, AInfo, "LevelInfo", "Engine")

AInfo::AInfo() = default;
AInfo::AInfo(const AInfo& Other) = default;
AInfo& AInfo::operator=(const AInfo& Other) = default;
AInfo::~AInfo() { ConditionalDestroy(); }
int32_t AInfo::MyStaticSize() { return sizeof(AInfo); }

ALevelInfo::ALevelInfo() {}  // NOLINT: fields keep what the allocation wrote
ALevelInfo::~ALevelInfo() { ConditionalDestroy(); }
int32_t ALevelInfo::MyStaticSize() { return sizeof(ALevelInfo); }
