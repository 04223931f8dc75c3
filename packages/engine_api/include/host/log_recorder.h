// LogRecorder: keeps the lines written to the engine's log (GLog) while it is
// installed, for tests and programs that read what the packages logged. It
// puts itself into GLog when constructed and the previous device back when
// destroyed, so recorders nest; the lines are its own.
#pragma once

#include <string>
#include <vector>

#include "core/core.h"

namespace engine_host {

class LogRecorder : public FOutputDevice {
 public:
  LogRecorder() : previous_(GLog) { GLog = this; }
  ~LogRecorder() override { GLog = previous_; }
  LogRecorder(const LogRecorder&) = delete;
  LogRecorder& operator=(const LogRecorder&) = delete;

  void Serialize(const char* line) override { lines.emplace_back(line); }

  std::vector<std::string> lines;

 private:
  FOutputDevice* previous_;
};

}  // namespace engine_host
