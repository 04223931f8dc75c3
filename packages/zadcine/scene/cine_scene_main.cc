// cine_scene: runs the cinematic scene and writes its path and speed per tick
// (cine_scene.csv) and its picture (cine_scene.svg) into a folder.
//   cine_scene <ZADCine library> <output folder> [<Zarn library>]
#include <cstdio>
#include <fstream>
#include <string>

#include "cine_scene.h"

namespace {

bool WriteText(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4) {
    std::fprintf(stderr, "usage: cine_scene <ZADCine library> <output folder> [<Zarn library>]\n");
    return 2;
  }
  cine_scene::SceneOptions options;
  options.zadcine_library = argv[1];
  if (argc == 4) options.zarn_library = argv[3];
  cine_scene::SceneRecord record;
  const platform::Status status = cine_scene::RunCinematicScene(options, record);
  if (!status.ok()) {
    std::fprintf(stderr, "cine_scene: %s\n", status.message().c_str());
    return 1;
  }
  const std::string folder = argv[2];
  if (!WriteText(folder + "/cine_scene.csv", cine_scene::SceneCsv(record)) ||
      !WriteText(folder + "/cine_scene.svg", cine_scene::SceneSvg(record))) {
    std::fprintf(stderr, "cine_scene: cannot write into %s\n", folder.c_str());
    return 1;
  }
  std::printf("Packages loaded: ZADCine%s\n", record.zarn_loaded ? " and Zarn" : "");
  std::printf("%zu markers dropped, %zu command lines, %zu ticks\n", record.markers.size(),
              record.commands.size(), record.samples.size());
  std::printf("EndOfMove %d times, AvoidObstacle %d times (%d bent round the wall)\n",
              record.end_of_move, record.avoid_obstacle, record.bent_round_wall);
  for (const std::string& line : record.log) std::printf("Log: %s\n", line.c_str());
  return 0;
}
