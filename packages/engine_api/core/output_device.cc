#include "core/output_device.h"

#include <cstdarg>
#include <cstdio>
#include <string>

#include "core/errors.h"
#include "core/text_format.h"

namespace {

class FOutputDeviceStderr : public FOutputDevice {
 public:
  void Serialize(const char* Line) override { std::fprintf(stderr, "Log: %s\n", Line); }
};

class FOutputDeviceFatal : public FOutputDevice {
 public:
  void Serialize(const char* Line) override { throw FEngineError(Line); }
};

FOutputDeviceStderr StderrLog;
FOutputDeviceFatal FatalErrors;

}  // namespace

FOutputDevice* GLog = &StderrLog;
FOutputDevice* GError = &FatalErrors;

FOutputDevice::~FOutputDevice() = default;

void FOutputDevice::Logf(const char* Format, ...) {
  va_list Args;
  va_start(Args, Format);
  const std::string Line = FormatTextV(Format, Args);
  va_end(Args);
  Serialize(Line.c_str());
}
