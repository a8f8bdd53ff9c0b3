// LUD917 is not built yet; this stand-in only says so.
#include <cstdio>

int main() {
  std::fputs("LUD917: not available yet\n", stderr);
  return 1;
}
