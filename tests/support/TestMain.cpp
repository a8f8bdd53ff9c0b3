//===- TestMain.cpp - GoogleTest entry point under a comma-decimal locale -===//
//
// Qt and the C library honour the machine's locale; the system must not. Every
// test binary switches to the locale named by KR_TEST_LOCALE (a comma-decimal
// one) when the machine has it, so a dependence on "." shows as a failure.
//
//===----------------------------------------------------------------------===//
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <locale>

int main(int argc, char** argv) {
  if (const char* name = std::getenv("KR_TEST_LOCALE")) {
    if (std::setlocale(LC_ALL, name) != nullptr) {
      try {
        std::locale::global(std::locale(name));
      } catch (const std::exception&) {
      }
    }
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
