// RecordingUi: a UiPort for tests that keeps every message and question in
// order, answers the question as told, and lets a test act in each dialog.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/map_dialog.h"
#include "core/mode_dialog.h"
#include "core/path_dialog.h"
#include "core/ui_port.h"

namespace hostdeck {

class RecordingUi : public UiPort {
 public:
  void ShowMessage(const Message& message) override { messages.push_back(message); }
  bool AskYesNo(std::string_view question) override {
    questions.emplace_back(question);
    return answer_yes;
  }
  void ShowMapDialog(MapDialog& dialog) override {
    ++dialogs_shown;
    if (on_map_dialog) on_map_dialog(dialog);
  }
  void ShowModeDialog(ModeDialog& dialog) override {
    ++dialogs_shown;
    if (on_mode_dialog) on_mode_dialog(dialog);
  }
  void ShowPathDialog(PathDialog& dialog) override {
    ++dialogs_shown;
    if (on_path_dialog) on_path_dialog(dialog);
  }
  void ShowAboutDialog() override { ++dialogs_shown; }

  std::vector<Message> messages;
  std::vector<std::string> questions;
  bool answer_yes = false;
  int dialogs_shown = 0;
  std::function<void(MapDialog&)> on_map_dialog;
  std::function<void(ModeDialog&)> on_mode_dialog;
  std::function<void(PathDialog&)> on_path_dialog;
};

}  // namespace hostdeck
