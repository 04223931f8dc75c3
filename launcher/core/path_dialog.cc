#include "core/path_dialog.h"

#include "core/game_folder.h"
#include "platform/files.h"

namespace hostdeck {

PathDialog::PathDialog(platform::SettingsStore& store, UiPort& ui) : store_(store), ui_(ui) {}

void PathDialog::Form_Load() { path_ = GetPathOfZarn(store_); }

bool PathDialog::cmdOk_Click() {
  // Only one: a second trailing separator stays, as typed.
  std::string separator = platform::NativeRelativePath("\\");
  if (path_.ends_with(separator)) path_.resize(path_.size() - separator.size());
  if (!platform::FileExist(path_ + platform::NativeRelativePath("\\system\\zarn.exe"))) {
    ui_.ShowMessage(kInvalidPath);
    return false;
  }
  if (!platform::FileExist(path_ + platform::NativeRelativePath("\\server\\ucc.exe"))) {
    ui_.ShowMessage(kPatchMissingForPath);
    return false;
  }
  platform::Status status = store_.Write(kApplication, kSection, kGameFolderKey, path_);
  if (!status.ok()) {
    ui_.ShowMessage(SettingsNotSaved(status.message()));
    return false;
  }
  return true;
}

}  // namespace hostdeck
