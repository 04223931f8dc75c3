#include "core/mode_dialog.h"

#include "platform/files.h"

namespace hostdeck {

ModeDialog::ModeDialog(std::string own_folder, UiPort& ui)
    : own_folder_(std::move(own_folder)), ui_(ui) {}

void ModeDialog::Form_Load() {
  modes_.Fill(own_folder_ + platform::NativeRelativePath("\\Modes"), "*.");
}

bool ModeDialog::cmdOk_Click() {
  if (modes_.selected_index() < 0) {
    ui_.ShowMessage(kNoModeSelected);
    return false;
  }
  accepted_ = true;
  return true;
}

}  // namespace hostdeck
