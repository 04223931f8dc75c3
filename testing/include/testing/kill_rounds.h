// Kill rounds: what the crash-safety tests share. Each round starts a program
// of ours, kills it at a random moment of a typical run, and sorts the state it
// left; the tally is printed and checked.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

namespace testing_support {

// What a round left.
enum class KillState {
  kOld,     // everything as before the run
  kNew,     // everything as after a whole run
  kPartly,  // some files old, the others new, each of them whole
  kBroken,  // a file neither old nor new
};

struct KillTally {
  int rounds = 0;
  int killed = 0;  // the kill ended the run (else it had finished first)
  int old_state = 0;
  int new_state = 0;
  int partly = 0;
  int broken = 0;
  int left = 0;  // rounds that left a file beside the ones written
};

// How many rounds a test runs: `usual`, or the number in ZARN_KILL_ROUNDS
// (scripts/crash-safety asks for 1000).
int KillRounds(int usual);

// Runs `rounds` rounds of `program` with `arguments`. `reset` puts the files
// back into their old state before each round; `judge` sorts what a round left
// and says in *left what files it left beside them, empty when none. The
// moments are spread evenly over the time a run that is not killed takes
// (measured first, after a reset).
KillTally RunKillRounds(const std::filesystem::path& program, const std::string& arguments,
                        int rounds, const std::function<void()>& reset,
                        const std::function<KillState(std::string* left)>& judge);

// "name: 100 rounds, 70 killed: 40 old, 55 new, 5 partly, 0 broken; 0 left files".
std::string Describe(const std::string& name, const KillTally& tally);

}  // namespace testing_support
