#include "engine/controller.h"

#include "core/class_definition.h"

DEFINE_ENGINE_CLASS(AController, AActor, "Controller", "Engine")

AController::AController() {}  // NOLINT: fields keep what the allocation wrote
AController::AController(const AController& Other) = default;
AController& AController::operator=(const AController& Other) = default;
AController::~AController() { ConditionalDestroy(); }
int32_t AController::MyStaticSize() { return sizeof(AController); }
