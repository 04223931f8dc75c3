#include "testing/kill_rounds.h"

#include <cstdlib>
#include <iostream>
#include <random>

#include "testing/run_program.h"

namespace testing_support {

int KillRounds(int usual) {
  const char* asked = std::getenv("ZARN_KILL_ROUNDS");
  return asked != nullptr && std::atoi(asked) > 0 ? std::atoi(asked) : usual;
}

KillTally RunKillRounds(const std::filesystem::path& program, const std::string& arguments,
                        int rounds, const std::function<void()>& reset,
                        const std::function<KillState(std::string* left)>& judge) {
  using Clock = std::chrono::steady_clock;
  reset();
  auto start = Clock::now();
  RunProgram(program, arguments);
  auto whole = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);

  std::mt19937 random{std::random_device{}()};
  std::uniform_int_distribution<long long> moment(0, whole.count());
  KillTally tally;
  for (int round = 0; round < rounds; ++round) {
    reset();
    ++tally.rounds;
    if (RunProgramKilledAfter(program, arguments, std::chrono::microseconds(moment(random)))) {
      ++tally.killed;
    }
    std::string left;
    switch (judge(&left)) {
      case KillState::kOld:
        ++tally.old_state;
        break;
      case KillState::kNew:
        ++tally.new_state;
        break;
      case KillState::kPartly:
        ++tally.partly;
        break;
      case KillState::kBroken:
        ++tally.broken;
        break;
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
         std::to_string(tally.broken) + " broken; " + std::to_string(tally.left) + " left files";
}

}  // namespace testing_support
