// Kill rounds: what the crash-safety tests share. Each round starts a program
// of ours, kills it at a random moment of a typical run, and sorts what the
// files it writes hold then; the tally is printed and checked.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <string>

namespace testing_support {

// Files by name, with their content.
using Files = std::map<std::string, std::string>;

struct KillTally {
  int rounds = 0;
  int killed = 0;     // the kill ended the run (else it had finished first)
  int old_state = 0;  // every file as before the run
  int new_state = 0;  // every file as after a whole run
  int partly = 0;     // some files old, the others new, each of them whole
  int broken = 0;     // a file neither old nor new: a failure
  // A file of the temp-name pattern left beside its target, which the next run
  // removed. On Linux it can only be the complete new content, left by a kill
  // in the instant between its link and its rename; on Windows the file has
  // its name from the start.
  int removed_by_next_run = 0;
  int left = 0;  // any other file left, or one the next run did not remove: a failure
};

// How many rounds a test runs: `usual`, or the number in ZARN_KILL_ROUNDS
// (scripts/crash-safety asks for 1000).
int KillRounds(int usual);

// Runs `rounds` rounds of `program` with `arguments`. `reset` puts the files
// back into their old state before each round, `snapshot` reads them, names
// relative to one folder; the new state is what a run that is not killed
// leaves. The moments are spread evenly over the time that run takes.
KillTally RunKillRounds(const std::filesystem::path& program, const std::string& arguments,
                        int rounds, const std::function<void()>& reset,
                        const std::function<Files()>& snapshot);

// "name: 100 rounds, 70 killed: 40 old, 55 new, 5 partly, 0 broken; 1 removed
// by the next run, 0 left".
std::string Describe(const std::string& name, const KillTally& tally);

}  // namespace testing_support
