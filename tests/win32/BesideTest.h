#pragma once
// The libraries these tests load are built beside (or near) the test program.

#include <windows.h>

#include <string>

namespace quoril::testing {

inline std::string BesideTest(const char* relative) {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string program(path, n);
  return program.substr(0, program.find_last_of("\\/") + 1) + relative;
}

}  // namespace quoril::testing
