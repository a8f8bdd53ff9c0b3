// 0917SND is not built yet; this stand-in only says so.
#include <cstdio>

int main() {
  std::fputs("0917SND: not available yet\n", stderr);
  return 1;
}
