// The scene's CSV and SVG renderings.
#include <algorithm>
#include <cstdio>
#include <string>

#include "cine_scene.h"

namespace cine_scene {
namespace {

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", value);
  return text;
}

// Maps level coordinates into a rectangle of the picture, X to the right and
// Y downwards (yaw grows clockwise on screen, as in the level).
struct TopView {
  float min_x, min_y, scale, left, top;
  std::string X(float x) const { return Number(left + (x - min_x) * scale); }
  std::string Y(float y) const { return Number(top + (y - min_y) * scale); }
};

const char* BoxColour(const std::string& kind) {
  if (kind == "floor") return "#eef0e8";
  if (kind == "step") return "#d8dccb";
  return "#8a6d5a";
}

}  // namespace

std::string SceneCsv(const SceneRecord& record) {
  std::string csv = "tick,time,x,y,z,speed,max_speed,yaw,command\n";
  for (const SceneSample& s : record.samples) {
    csv += std::to_string(s.tick) + "," + Number(s.time) + "," + Number(s.location.X) + "," +
           Number(s.location.Y) + "," + Number(s.location.Z) + "," + Number(s.speed) + "," +
           Number(s.max_speed) + "," + std::to_string(s.yaw) + "," + s.command + "\n";
  }
  return csv;
}

std::string SceneSvg(const SceneRecord& record) {
  constexpr float kWidth = 840.f, kMargin = 30.f;
  float min_x = 0.f, min_y = 0.f, max_x = 1.f, max_y = 1.f;
  if (!record.boxes.empty()) {
    min_x = min_y = 1e9f;
    max_x = max_y = -1e9f;
    for (const SceneBox& box : record.boxes) {
      min_x = std::min(min_x, box.min.X), min_y = std::min(min_y, box.min.Y);
      max_x = std::max(max_x, box.max.X), max_y = std::max(max_y, box.max.Y);
    }
  }
  const float scale = (kWidth - 2 * kMargin) / (max_x - min_x);
  const TopView view{min_x, min_y, scale, kMargin, kMargin + 20.f};
  const float map_bottom = view.top + (max_y - min_y) * scale;
  const float chart_top = map_bottom + 60.f, chart_height = 180.f;
  const float height = chart_top + chart_height + 40.f;

  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Number(kWidth) +
                    "\" height=\"" + Number(height) + "\" font-family=\"sans-serif\" " +
                    "font-size=\"12\">\n<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
  svg += "<text x=\"" + Number(kMargin) + "\" y=\"" + Number(kMargin) +
         "\" font-size=\"14\">Cinematic scene: top view (markers dropped by AutoPosition, "
         "path walked by Steering)</text>\n";
  for (const SceneBox& box : record.boxes) {
    svg += "<rect x=\"" + view.X(box.min.X) + "\" y=\"" + view.Y(box.min.Y) + "\" width=\"" +
           Number((box.max.X - box.min.X) * scale) + "\" height=\"" +
           Number((box.max.Y - box.min.Y) * scale) + "\" fill=\"" + BoxColour(box.kind) +
           "\" stroke=\"#888\"/>\n";
    if (box.kind != "floor") {
      svg += "<text x=\"" + view.X(box.min.X + 4.f) + "\" y=\"" + view.Y(box.max.Y - 8.f) +
             "\" fill=\"#555\">" + box.kind + " (" + std::to_string(static_cast<int>(box.max.Z)) +
             " high)</text>\n";
    }
  }
  std::string path;
  for (const SceneSample& s : record.samples) {
    path += (path.empty() ? "M" : " L") + view.X(s.location.X) + "," + view.Y(s.location.Y);
  }
  svg += "<path d=\"" + path + "\" fill=\"none\" stroke=\"#1f5fbf\" stroke-width=\"2\"/>\n";
  if (!record.samples.empty()) {
    const FVector start = record.samples.front().location;
    svg += "<text x=\"" + view.X(start.X) + "\" y=\"" + view.Y(start.Y + 20.f / scale) +
           "\" text-anchor=\"middle\">start</text>\n";
  }
  for (const SceneMarker& m : record.markers) {
    svg += "<circle cx=\"" + view.X(m.location.X) + "\" cy=\"" + view.Y(m.location.Y) +
           "\" r=\"7\" fill=\"#e0a020\" stroke=\"#704000\"/>\n<text x=\"" +
           view.X(m.location.X + 12.f / scale) + "\" y=\"" + view.Y(m.location.Y - 12.f / scale) +
           "\" font-weight=\"bold\">" + std::to_string(m.number) + "</text>\n";
  }

  // Speed over time: the pawn's speed and the maximum speed Steering set.
  const float chart_left = kMargin + 30.f, chart_width = kWidth - chart_left - kMargin;
  float max_time = 1.f, max_speed = 1.f;
  for (const SceneSample& s : record.samples) {
    max_time = std::max(max_time, s.time);
    max_speed = std::max({max_speed, s.speed, s.max_speed});
  }
  auto cx = [&](float t) { return Number(chart_left + t / max_time * chart_width); };
  auto cy = [&](float v) {
    return Number(chart_top + chart_height - v / max_speed * chart_height);
  };
  svg += "<text x=\"" + Number(kMargin) + "\" y=\"" + Number(chart_top - 12.f) +
         "\" font-size=\"14\">Speed over time (units/s): pawn (solid blue), maximum set by "
         "Steering (dashed red)</text>\n";
  svg += "<rect x=\"" + Number(chart_left) + "\" y=\"" + Number(chart_top) + "\" width=\"" +
         Number(chart_width) + "\" height=\"" + Number(chart_height) +
         "\" fill=\"none\" stroke=\"#888\"/>\n";
  for (float v : {100.f, 200.f, 300.f}) {
    if (v > max_speed) continue;
    svg += "<text x=\"" + Number(kMargin) + "\" y=\"" + cy(v) + "\">" +
           std::to_string(static_cast<int>(v)) + "</text>\n";
  }
  std::string speed, limit;
  for (const SceneSample& s : record.samples) {
    const char* step = speed.empty() ? "M" : " L";
    speed += step + cx(s.time) + "," + cy(s.speed);
    limit += step + cx(s.time) + "," + cy(s.max_speed);
  }
  svg += "<path d=\"" + limit + "\" fill=\"none\" stroke=\"#c04040\" stroke-dasharray=\"4 3\"/>\n";
  svg += "<path d=\"" + speed + "\" fill=\"none\" stroke=\"#1f5fbf\" stroke-width=\"2\"/>\n";
  svg += "<text x=\"" + Number(chart_left + chart_width) + "\" y=\"" +
         Number(chart_top + chart_height + 16.f) + "\" text-anchor=\"end\">" + Number(max_time) +
         " s</text>\n</svg>\n";
  return svg;
}

}  // namespace cine_scene
