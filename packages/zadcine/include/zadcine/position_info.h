// APositionInfo (script class "PositionInfo"): a marker actor that command
// text refers to by number (PositionInfo12 is marker 12) and that can drop
// itself onto the ground below it. The engine owns every marker.
#pragma once

#include <cstdint>

#include "core/native_class.h"
#include "core/script_fields.h"
#include "engine/engine.h"
#include "zadcine/api.h"

class ZADCINE_API APositionInfo : public AInfo {
  DECLARE_NATIVE_CLASS(APositionInfo, AInfo)
  APositionInfo(const APositionInfo& Other);
  APositionInfo& operator=(const APositionInfo& Other);

  // How far below itself a marker looks for the ground.
  static constexpr float kGroundSearchDepth = 1000.f;

  void execAutoPosition(FFrame& Stack, void* Result);

  // Bit 0: bPositionFlag.
  TBoolWord<0x1> PositionFlags;
  // Height above the ground at which AutoPosition places the marker.
  float GroundOffset;

 protected:
  APositionInfo();
};
