#include "engine/triggers.h"

#include "core/class_definition.h"

DEFINE_ENGINE_CLASS(ATriggers, AActor, "Triggers", "Engine")

ATriggers::ATriggers() = default;
ATriggers::ATriggers(const ATriggers& Other) = default;
ATriggers& ATriggers::operator=(const ATriggers& Other) = default;
ATriggers::~ATriggers() { ConditionalDestroy(); }
int32_t ATriggers::MyStaticSize() { return sizeof(ATriggers); }
