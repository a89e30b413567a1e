#include <cstring>
#include <iostream>

int runHistogramCommand(int argc, char* argv[]);

int main(int argc, char* argv[]) {
  if (argc >= 2 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << VELTRA_VERSION << '\n';
    return 0;
  }
  if (argc >= 2 && std::strcmp(argv[1], "histogram") == 0) return runHistogramCommand(argc, argv);
  std::cerr << "usage: veltra-cli --version\n";
  return 2;
}
