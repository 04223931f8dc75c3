#include "engine/projector.h"

#include "core/class_definition.h"

DEFINE_ENGINE_CLASS(AProjector, AActor, "Projector", "Engine")

AProjector::AProjector() {}  // NOLINT: fields keep what the allocation wrote
AProjector::AProjector(const AProjector& Other) = default;
AProjector& AProjector::operator=(const AProjector& Other) = default;
AProjector::~AProjector() { ConditionalDestroy(); }
int32_t AProjector::MyStaticSize() { return sizeof(AProjector); }

void AProjector::Detach(int32_t Force) {
  if (!bProjected && !Force) return;
  bProjected = 0;
  ProjectedScale = 0.f;
  DetachCount++;
}

void AProjector::Attach() {
  bProjected = 1;
  ProjectedScale = DrawScale;
  AttachCount++;
}
