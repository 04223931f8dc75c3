// SettingsStore: the per-user store of string values addressed by application,
// section and key, whose names compare without regard to case.
//
// Windows keeps them in the registry under
// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<application>\<section>,
// where earlier tools kept them, so an operator's settings carry over. POSIX keeps
// one INI file per application, ${XDG_CONFIG_HOME:-$HOME/.config}/<application>/settings.ini,
// readable only by its owner.
//
// A save (WriteAll) is checked whole before anything is written and is then one
// replace of the INI file, so a crash leaves the old or the new settings. The
// registry has no such replace: there each value is written whole, one save's
// values one after another (see README). Settings that exist but cannot be read
// are reported by CheckReadable and never written over.
#pragma once

#include <chrono>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "platform/status.h"

namespace platform {

class SettingsStore {
 public:
  // One value of a save.
  struct Entry {
    std::string_view section;
    std::string_view key;
    std::string_view value;
  };

  class UpdateLock;

  virtual ~SettingsStore();

  // The store of the user running this program.
  static std::unique_ptr<SettingsStore> ForCurrentUser();

  // Refuses a value the store cannot hold whole: a line break or a NUL. Front
  // ends check typed values with it before they act on any of them.
  static Status CheckValue(std::string_view key, std::string_view value);

  // Ok when the application's settings can be read, and when there are none
  // yet; otherwise why not (a file that is no file or cannot be opened, one
  // that is not text, a registry value that is not a string).
  Status CheckReadable(std::string_view application) const;

  // The stored value, byte for byte, or default_value when the key is absent,
  // its name cannot be addressed, or it cannot be read (on POSIX: the file).
  std::string Read(std::string_view application, std::string_view section, std::string_view key,
                   std::string_view default_value) const;

  // Stores every entry in one save. Refused whole, with nothing written, when a
  // name cannot be addressed (empty, blank at either end, "." or "..", control
  // characters, / \ [ ] =), a value cannot be held (CheckValue), or the stored
  // settings cannot be read. Waits up to 10 seconds for another program's
  // UpdateLock, then fails.
  Status WriteAll(std::string_view application, std::span<const Entry> entries);
  // WriteAll of one entry.
  Status Write(std::string_view application, std::string_view section, std::string_view key,
               std::string_view value);

  // Keeps every other program's writes and locks of the application's settings
  // waiting until the result is destroyed; this store's own writes go ahead. A
  // program that loads, changes and saves holds it from before its load until
  // after its save, so that no update made in between is lost. Waits at most
  // `wait`; then the result is null and *status says why. The system drops the
  // lock when the program ends, however it ends.
  // REQUIRES: the result does not outlive the store.
  std::unique_ptr<UpdateLock> LockForUpdate(std::string_view application,
                                            std::chrono::milliseconds wait, Status* status);

 protected:
  // What the platform holds while an application's settings are locked.
  class SystemLock {
   public:
    virtual ~SystemLock() = default;
  };

 private:
  // Each is called with every name and value already checked.
  virtual Status CheckReadableChecked(std::string_view application) const = 0;
  virtual std::string ReadChecked(std::string_view application, std::string_view section,
                                  std::string_view key, std::string_view default_value) const = 0;
  // Called while the application's settings are locked; writes all or nothing
  // as far as the platform allows, and nothing over settings it cannot read.
  virtual Status WriteAllChecked(std::string_view application, std::span<const Entry> entries) = 0;
  // The system's lock on the application's settings, taken without waiting.
  // Null with *status ok while another program holds it; null with *status
  // failed when it cannot be taken at all.
  virtual std::unique_ptr<SystemLock> TryLockChecked(std::string_view application,
                                                     Status* status) = 0;

  void Unlock(const std::string& folded_application);

  struct Held {
    int count = 0;
    std::unique_ptr<SystemLock> lock;
  };
  std::map<std::string, Held> held_;  // by application name in lower case
};

class SettingsStore::UpdateLock {
 public:
  ~UpdateLock() { store_.Unlock(folded_application_); }
  UpdateLock(const UpdateLock&) = delete;
  UpdateLock& operator=(const UpdateLock&) = delete;

 private:
  friend class SettingsStore;
  UpdateLock(SettingsStore& store, std::string folded_application)
      : store_(store), folded_application_(std::move(folded_application)) {}

  SettingsStore& store_;
  std::string folded_application_;
};

}  // namespace platform
