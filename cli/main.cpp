#include <cstring>
#include <iostream>

#include "MessageCommand.h"

int main(int argc, char* argv[]) {
  if (argc >= 2 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << VELTRA_VERSION << '\n';
    return 0;
  }
  if (argc >= 2 && std::strcmp(argv[1], "message") == 0) return runMessageCommand(argc, argv);
  std::cerr << "usage: veltra-cli --version | message N [--lang cs|en]\n";
  return 2;
}
