// The cinematic scene: a small level in which the package does its job. A
// package host loads ZADCine (and Zarn when its path is given), builds a floor
// with a step and a wall, drops numbered position markers onto it with
// AutoPosition, and walks a Cine2 pawn through them by command lines: the
// controller's script (written here in C++) cuts each line into words with
// GetFirstWord, finds the markers with FindAnActor and calls Steering once
// per tick with slow-down, bends round the wall in its AvoidObstacle handler,
// moves on at EndOfMove and finally turns the pawn on the spot with
// OnTheSpotRotation.
//
// RunCinematicScene returns everything the scene recorded; a failure to load
// or a script that does not reach its end is reported as an error status.
#pragma once

#include <string>
#include <vector>

#include "core/math.h"
#include "platform/status.h"

namespace cine_scene {

struct SceneBox {
  FVector min, max;
  std::string kind;  // "floor", "step" or "wall"
};

struct SceneMarker {
  int number;
  FVector dropped_from;
  FVector location;  // after AutoPosition
};

struct SceneSample {
  int tick;
  float time;  // seconds since the start
  FVector location;
  float speed;      // length of the pawn's velocity
  float max_speed;  // the maximum ground speed Steering set
  int yaw;
  std::string command;  // the command line being carried out
};

struct SceneRecord {
  std::vector<SceneBox> boxes;
  std::vector<SceneMarker> markers;
  std::vector<SceneSample> samples;
  std::vector<std::string> commands;
  std::vector<std::string> log;  // the engine's log lines
  int end_of_move = 0;
  int avoid_obstacle = 0;   // AvoidObstacle events raised
  int bent_round_wall = 0;  // of those, the ones that changed the acceleration
  bool zarn_loaded = false;
};

struct SceneOptions {
  std::string zadcine_library;
  std::string zarn_library;  // empty: ZADCine only
  float tick_seconds = 0.05f;
  int max_ticks = 4000;
};

// The command lines the scene's controller carries out.
const std::vector<std::string>& SceneScript();

platform::Status RunCinematicScene(const SceneOptions& options, SceneRecord& record);

// One line per sample: tick,time,x,y,z,speed,max_speed,yaw,command.
std::string SceneCsv(const SceneRecord& record);
// A top view of the level with the markers and the path, and the speed over
// time below it.
std::string SceneSvg(const SceneRecord& record);

}  // namespace cine_scene
