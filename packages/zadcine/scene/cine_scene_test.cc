// The cinematic scene, played on the built library: the pawn reaches every
// marker in order, slows down before each, goes round the wall, and turns on
// the spot at the end.
#include "cine_scene.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

#include <gtest/gtest.h>

namespace cine_scene {
namespace {

class CineSceneTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    SceneOptions options;
    options.zadcine_library = ZADCINE_LIBRARY_PATH;
    options.zarn_library = ZARN_LIBRARY_PATH;
    record_ = new SceneRecord();
    status_ = new platform::Status(RunCinematicScene(options, *record_));
  }
  static void TearDownTestSuite() {
    delete record_;
    delete status_;
  }
  void SetUp() override { ASSERT_TRUE(status_->ok()) << status_->message(); }

  // The last sample of each command line.
  static std::map<std::string, SceneSample> LastSamples() {
    std::map<std::string, SceneSample> last;
    for (const SceneSample& s : record_->samples) last[s.command] = s;
    return last;
  }

  static SceneRecord* record_;
  static platform::Status* status_;
};

SceneRecord* CineSceneTest::record_ = nullptr;
platform::Status* CineSceneTest::status_ = nullptr;

TEST_F(CineSceneTest, MarkersStandOnFloorAndStep) {
  ASSERT_EQ(record_->markers.size(), 5u);
  for (const SceneMarker& m : record_->markers) {
    const float ground = m.dropped_from.X >= 1000.f ? 24.f : 0.f;
    EXPECT_FLOAT_EQ(m.location.Z, ground + 44.f) << m.number;
    EXPECT_FLOAT_EQ(m.location.X, m.dropped_from.X) << m.number;
    EXPECT_FLOAT_EQ(m.location.Y, m.dropped_from.Y) << m.number;
  }
  EXPECT_EQ(record_->zarn_loaded, std::string(ZARN_LIBRARY_PATH).size() > 0);
}

TEST_F(CineSceneTest, PawnArrivesAtEveryMarkerInOrder) {
  EXPECT_EQ(record_->end_of_move, 5);
  const std::map<std::string, SceneSample> last = LastSamples();
  for (const SceneMarker& m : record_->markers) {
    const std::string line = m.number == 2 ? "MOVETO  2" : "MOVETO " + std::to_string(m.number);
    ASSERT_EQ(last.count(line), 1u) << line;
    const FVector at = last.at(line).location;
    EXPECT_LT(std::hypot(at.X - m.location.X, at.Y - m.location.Y), 12.f) << line;
  }
}

TEST_F(CineSceneTest, PawnSlowsDownBeforeEachMarkerAndNeverSpeeds) {
  std::map<std::string, float> slowest_limit;
  for (const SceneSample& s : record_->samples) {
    EXPECT_LE(s.speed, 300.01f) << "tick " << s.tick;
    if (s.command.rfind("MOVETO", 0) != 0) continue;
    auto found = slowest_limit.find(s.command);
    if (found == slowest_limit.end() || s.max_speed < found->second) {
      slowest_limit[s.command] = s.max_speed;
    }
  }
  ASSERT_EQ(slowest_limit.size(), 5u);
  for (const auto& [line, limit] : slowest_limit) {
    EXPECT_LT(limit, 200.f) << line;
    EXPECT_GE(limit, 100.f) << line;
  }
}

TEST_F(CineSceneTest, PathGoesRoundTheWall) {
  EXPECT_GT(record_->avoid_obstacle, 0);
  EXPECT_GT(record_->bent_round_wall, 0);
  const SceneBox& wall = record_->boxes.back();
  ASSERT_EQ(wall.kind, "wall");
  for (const SceneSample& s : record_->samples) {
    const bool inside = s.location.X > wall.min.X && s.location.X < wall.max.X &&
                        s.location.Y > wall.min.Y && s.location.Y < wall.max.Y;
    EXPECT_FALSE(inside) << "tick " << s.tick;
  }
}

TEST_F(CineSceneTest, PawnTurnsOnTheSpotAtTheEnd) {
  const std::map<std::string, SceneSample> last = LastSamples();
  const SceneSample& walked = last.at("MOVETO 5");
  const SceneSample& turned = last.at("TURN 150");
  EXPECT_EQ(turned.yaw - walked.yaw, 150 * 65536 / 360);
  EXPECT_EQ(turned.location, walked.location);
  const auto turn_lines = std::count_if(
      record_->log.begin(), record_->log.end(),
      [](const std::string& line) { return line.rfind("TURN RIGHT Actor1 ", 0) == 0; });
  EXPECT_EQ(turn_lines, 1);
}

TEST_F(CineSceneTest, CsvAndSvgDescribeEveryTick) {
  const std::string csv = SceneCsv(*record_);
  EXPECT_EQ(csv.rfind("tick,time,x,y,z,speed,max_speed,yaw,command\n", 0), 0u);
  EXPECT_EQ(static_cast<std::size_t>(std::count(csv.begin(), csv.end(), '\n')),
            record_->samples.size() + 1);
  const std::string svg = SceneSvg(*record_);
  EXPECT_EQ(svg.rfind("<svg ", 0), 0u);
  EXPECT_NE(svg.find("</svg>\n"), std::string::npos);
  std::size_t circles = 0;
  for (std::size_t at = svg.find("<circle"); at != std::string::npos;
       at = svg.find("<circle", at + 1)) {
    ++circles;
  }
  EXPECT_EQ(circles, 5u);
}

}  // namespace
}  // namespace cine_scene
