#include "core/field_checks.h"

#include <algorithm>
#include <charconv>

namespace hostdeck {

bool Cislo(std::string_view Vstup, std::int32_t VetsiNez, std::int32_t MensiNez) {
  if (Vstup.empty()) return false;
  if (!std::all_of(Vstup.begin(), Vstup.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return false;
  }
  std::int64_t value = 0;
  auto [end, error] = std::from_chars(Vstup.data(), Vstup.data() + Vstup.size(), value);
  if (error != std::errc() || end != Vstup.data() + Vstup.size()) return false;  // too many digits
  return value >= VetsiNez && value <= MensiNez;
}

bool CheckServerName(std::string& title) {
  std::replace_if(
      title.begin(), title.end(),
      [](char c) {
        auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7f || c == ' ' || c == '?' || c == '=' || c == '"';
      },
      '_');
  return !title.empty();
}

bool CheckNumberOfPlayers(std::string_view players) {
  std::string padded(players);
  if (padded.size() == 1) padded.insert(0, "0");
  if (padded.size() != 2) return false;
  for (int n = 1; n <= 20; ++n) {
    if (padded == (n < 10 ? "0" : "") + std::to_string(n)) return true;
  }
  return false;
}

bool CheckPointsLimit(std::string_view points) {
  if (points.empty() || points.size() > 3) return false;
  return Cislo(points, 10, 500);
}

bool CheckTimeLimit(std::string& time) {
  if (time.empty() || time == "0") return true;
  if (time == "00") {
    time = "0";
    return true;
  }
  if (time.size() > 2) return false;
  return Cislo(time, 5, 60);
}

bool CheckPort(std::string_view port) {
  if (port.empty() || port.size() > 5) return false;
  return Cislo(port, 1, 65535);
}

}  // namespace hostdeck
