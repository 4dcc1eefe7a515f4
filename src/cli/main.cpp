#include <cstdio>

int main() {
  std::puts("quoril-cli");
  return 0;
}
