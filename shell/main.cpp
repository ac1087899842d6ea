#include "startup.hpp"

int main(int argc, char* argv[]) {
  return halvory_shell::runPellaris(argc, argv);
}
