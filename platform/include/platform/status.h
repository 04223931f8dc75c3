// Status: the outcome of a platform operation, success or a failure with a
// message that can be shown to the user as it stands.
#pragma once

#include <string>
#include <utility>

namespace platform {

class Status {
 public:
  Status() = default;  // success
  static Status Ok() { return Status(); }
  static Status Error(std::string message) { return Status(std::move(message)); }

  bool ok() const { return !failed_; }
  // Empty for success.
  const std::string& message() const { return message_; }

 private:
  explicit Status(std::string message) : failed_(true), message_(std::move(message)) {}

  bool failed_ = false;
  std::string message_;
};

}  // namespace platform
