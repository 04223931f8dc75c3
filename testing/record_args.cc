// A stand-in for the programs that the tools start (the dedicated server, the
// game, the map manager): it records how it was started beside itself and ends.
#include <cstdio>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

// Written under a temporary name and renamed, so a reader never sees half a record.
void WriteRecord(const std::string& path, const std::string& content) {
  std::string temp = path + ".part";
  FILE* file = std::fopen(temp.c_str(), "wb");
  if (file == nullptr) return;
  std::fwrite(content.data(), 1, content.size(), file);
  std::fclose(file);
  std::rename(temp.c_str(), path.c_str());
}

std::string OwnPath() {
  char path[4096];
#ifdef _WIN32
  DWORD length = GetModuleFileNameA(nullptr, path, sizeof(path));
#else
  ssize_t length = readlink("/proc/self/exe", path, sizeof(path));
  if (length < 0) length = 0;
#endif
  return std::string(path, static_cast<size_t>(length));
}

}  // namespace

int main(int argc, char** argv) {
  std::string self = OwnPath();
#ifdef _WIN32
  WriteRecord(self + ".cmdline", GetCommandLineA());
  // 1 when it has a console of its own, 0 without one, more when it shares one.
  DWORD attached[8];
  WriteRecord(self + ".console", std::to_string(GetConsoleProcessList(attached, 8)));
#endif
  std::string args;
  for (int i = 1; i < argc; ++i) args += std::string(argv[i]) + "\n";
  WriteRecord(self + ".args", args);
  return 0;
}
