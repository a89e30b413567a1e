#include <cstring>
#include <iostream>

int main(int argc, char* argv[]) {
  if (argc >= 2 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << VELTRA_VERSION << '\n';
    return 0;
  }
  std::cerr << "usage: veltra-cli --version\n";
  return 2;
}
