// Writes Hostdeck's pictures into the folder named by its argument:
// banner.bmp, authorship.bmp and hostdeck.ico.
#include <cstdio>
#include <fstream>
#include <string>

#include "gui/pictures.h"

namespace {

bool Write(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_pictures FOLDER\n");
    return 2;
  }
  using namespace hostdeck::gui;
  std::string folder = argv[1];
  Image icons[] = {DrawIcon(48), DrawIcon(32), DrawIcon(16)};
  bool ok = Write(folder + "/banner.bmp", EncodeBmp(DrawBanner())) &&
            Write(folder + "/authorship.bmp", EncodeBmp(DrawAuthorshipPicture())) &&
            Write(folder + "/hostdeck.ico", EncodeIco(icons));
  if (!ok) std::fprintf(stderr, "make_pictures: cannot write into %s\n", folder.c_str());
  return ok ? 0 : 1;
}
