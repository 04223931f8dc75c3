#include "testing/kill_rounds.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <random>

#include "testing/run_program.h"

namespace testing_support {
namespace {

// The file a name of the pattern ".<name>.<six letters or digits>.tmp" stands
// beside, or "".
std::string TargetOfTempName(const std::string& path) {
  std::filesystem::path name = std::filesystem::path(path).filename();
  std::string text = name.string();
  constexpr size_t kTail = 1 + 6 + 4;  // ".XXXXXX.tmp"
  if (text.size() <= 1 + kTail || text.front() != '.' || !text.ends_with(".tmp") ||
      text[text.size() - kTail] != '.') {
    return "";
  }
  std::filesystem::path target = text.substr(1, text.size() - 1 - kTail);
  return (std::filesystem::path(path).parent_path() / target).generic_string();
}

// Whether a leftover is one that a crash may leave: on Linux only the complete
// new content beside a target that is still old.
bool MayBeLeft(const std::string& name, const std::string& content, const Files& now,
               const Files& old_files, const Files& new_files) {
  std::string target = TargetOfTempName(name);
  if (target.empty()) return false;
#ifdef _WIN32
  // The writer names its file after the target as it was asked to write it,
  // which Windows finds whatever the case.
  (void)content, (void)old_files, (void)new_files;
  auto same = [&target](const auto& entry) {
    return std::equal(
        entry.first.begin(), entry.first.end(), target.begin(), target.end(),
        [](unsigned char a, unsigned char b) { return std::tolower(a) == std::tolower(b); });
  };
  return std::any_of(now.begin(), now.end(), same);
#else
  if (!now.contains(target)) return false;
  return new_files.contains(target) && content == new_files.at(target) &&
         old_files.contains(target) && now.at(target) == old_files.at(target);
#endif
}

}  // namespace

int KillRounds(int usual) {
  const char* asked = std::getenv("ZARN_KILL_ROUNDS");
  return asked != nullptr && std::atoi(asked) > 0 ? std::atoi(asked) : usual;
}

KillTally RunKillRounds(const std::filesystem::path& program, const std::string& arguments,
                        int rounds, const std::function<void()>& reset,
                        const std::function<Files()>& snapshot) {
  using Clock = std::chrono::steady_clock;
  reset();
  const Files old_files = snapshot();
  auto start = Clock::now();
  RunProgram(program, arguments);
  auto whole = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
  const Files new_files = snapshot();

  std::mt19937 random{std::random_device{}()};
  std::uniform_int_distribution<long long> moment(0, whole.count());
  KillTally tally;
  for (int round = 0; round < rounds; ++round) {
    reset();
    ++tally.rounds;
    if (RunProgramKilledAfter(program, arguments, std::chrono::microseconds(moment(random)))) {
      ++tally.killed;
    }
    const Files now = snapshot();
    bool all_old = true, all_new = true, whole_files = true, may_be_left = false;
    std::string left;
    for (const auto& [name, content] : now) {
      bool is_old = old_files.contains(name) && old_files.at(name) == content;
      bool is_new = new_files.contains(name) && new_files.at(name) == content;
      if (!old_files.contains(name) && !new_files.contains(name)) {
        if (MayBeLeft(name, content, now, old_files, new_files)) {
          may_be_left = true;
        } else {
          left += name + " ";
        }
        continue;
      }
      all_old = all_old && is_old;
      all_new = all_new && is_new;
      whole_files = whole_files && (is_old || is_new);
    }
    if (!whole_files) {
      ++tally.broken;
    } else if (all_old) {
      ++tally.old_state;
    } else if (all_new) {
      ++tally.new_state;
    } else {
      ++tally.partly;
    }
    if (may_be_left && left.empty()) {
      // The next run removes it. (What that run writes is not judged: a
      // rewrite after a partial one is no longer the new state.)
      RunProgram(program, arguments);
      for (const auto& [name, content] : snapshot()) {
        if (!old_files.contains(name) && !new_files.contains(name)) left += name + " ";
      }
      if (left.empty()) {
        ++tally.removed_by_next_run;
      } else {
        left += "(not removed by the next run)";
      }
    }
    if (!left.empty()) {
      ++tally.left;
      std::cout << "round " << round << " left " << left << '\n';
    }
  }
  return tally;
}

std::string Describe(const std::string& name, const KillTally& tally) {
  return name + ": " + std::to_string(tally.rounds) + " rounds, " + std::to_string(tally.killed) +
         " killed: " + std::to_string(tally.old_state) + " old, " +
         std::to_string(tally.new_state) + " new, " + std::to_string(tally.partly) + " partly, " +
         std::to_string(tally.broken) + " broken; " + std::to_string(tally.removed_by_next_run) +
         " removed by the next run, " + std::to_string(tally.left) + " left";
}

}  // namespace testing_support
