// Output devices: where the engine writes log lines (GLog) and fatal errors
// (GError). A device receives one line per Logf call, without a line break.
// GLog and GError are global pointers that a host or a test may replace with a
// device of its own (for example one that keeps the lines for reading back);
// the replacement must outlive its use.
#pragma once

#include "core/api.h"

class CORE_API FOutputDevice {
 public:
  virtual ~FOutputDevice();
  virtual void Serialize(const char* Line) = 0;
  void Logf(const char* Format, ...);
};

// Writes each line to the standard error stream, prefixed "Log: ".
CORE_API extern FOutputDevice* GLog;
// Turns each line into a fatal engine error (throws FEngineError).
CORE_API extern FOutputDevice* GError;
