#include "platform/settings_store.h"

#include <algorithm>
#include <string>
#include <thread>

#include "common/ascii.h"

namespace platform {
namespace {

// How long a save waits for another program's lock on the settings.
constexpr std::chrono::seconds kWriteWait{10};

// Names become a folder on POSIX and a registry path on Windows, so none may
// climb out of its place or carry what neither could hold.
bool IsAddressableName(std::string_view name) {
  if (name.empty() || name == "." || name == ".." || name.front() == ' ' || name.back() == ' ') {
    return false;
  }
  return std::none_of(name.begin(), name.end(), [](char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == '/' || c == '\\' || c == '[' || c == ']' ||
           c == '=';
  });
}

Status CheckName(std::string_view name) {
  if (IsAddressableName(name)) return Status::Ok();
  return Status::Error("The settings name \"" + std::string(name) +
                       "\" cannot be stored: it must not be empty, \".\" or \"..\", start or end "
                       "with a blank, or contain control characters, /, \\, [, ] or =.");
}

std::string Folded(std::string_view name) {
  std::string folded(name);
  std::transform(folded.begin(), folded.end(), folded.begin(), AsciiLower);
  return folded;
}

std::string Duration(std::chrono::milliseconds time) {
  if (time.count() % 1000 == 0) return std::to_string(time.count() / 1000) + " s";
  return std::to_string(time.count()) + " ms";
}

}  // namespace

SettingsStore::~SettingsStore() = default;

Status SettingsStore::CheckValue(std::string_view key, std::string_view value) {
  if (value.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos) {
    return Status::Ok();
  }
  return Status::Error("The value of " + std::string(key) +
                       " cannot be stored: it contains a line break or a NUL character.");
}

Status SettingsStore::CheckReadable(std::string_view application) const {
  Status status = CheckName(application);
  return status.ok() ? CheckReadableChecked(application) : status;
}

std::string SettingsStore::Read(std::string_view application, std::string_view section,
                                std::string_view key, std::string_view default_value) const {
  if (!IsAddressableName(application) || !IsAddressableName(section) || !IsAddressableName(key)) {
    return std::string(default_value);
  }
  return ReadChecked(application, section, key, default_value);
}

Status SettingsStore::WriteAll(std::string_view application, std::span<const Entry> entries) {
  Status status = CheckName(application);
  for (const Entry& entry : entries) {
    if (!status.ok()) break;
    status = CheckName(entry.section);
    if (status.ok()) status = CheckName(entry.key);
    if (status.ok()) status = CheckValue(entry.key, entry.value);
  }
  if (!status.ok()) return status;
  std::unique_ptr<UpdateLock> lock = LockForUpdate(application, kWriteWait, &status);
  if (lock == nullptr) return status;
  return WriteAllChecked(application, entries);
}

Status SettingsStore::Write(std::string_view application, std::string_view section,
                            std::string_view key, std::string_view value) {
  Entry entry{section, key, value};
  return WriteAll(application, {&entry, 1});
}

std::unique_ptr<SettingsStore::UpdateLock> SettingsStore::LockForUpdate(
    std::string_view application, std::chrono::milliseconds wait, Status* status) {
  *status = CheckName(application);
  if (!status->ok()) return nullptr;
  std::string folded = Folded(application);
  Held& held = held_[folded];
  if (held.count == 0) {
    auto deadline = std::chrono::steady_clock::now() + wait;
    auto pause = std::chrono::milliseconds(1);
    while ((held.lock = TryLockChecked(application, status)) == nullptr) {
      if (status->ok() && std::chrono::steady_clock::now() >= deadline) {
        *status = Status::Error("The settings of " + std::string(application) +
                                " are in use by another program, which did not finish within " +
                                Duration(wait) + ".");
      }
      if (!status->ok()) {
        held_.erase(folded);
        return nullptr;
      }
      std::this_thread::sleep_for(pause);
      pause = std::min(pause * 2, std::chrono::milliseconds(16));
    }
  }
  ++held.count;
  return std::unique_ptr<UpdateLock>(new UpdateLock(*this, std::move(folded)));
}

void SettingsStore::Unlock(const std::string& folded_application) {
  auto held = held_.find(folded_application);
  if (--held->second.count == 0) held_.erase(held);
}

}  // namespace platform
