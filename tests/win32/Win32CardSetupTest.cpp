#include <gtest/gtest.h>

#include "app/CardSetup.h"

namespace quoril {
namespace {

// No W32N50.dll lies beside the test program or on Wine's path.
TEST(Win32CardSetup, TheRealLibraryIsTheDefaultAndItsAbsenceIsTold) {
  ASSERT_TRUE(RealLibraryAvailable());
  Card card = SetUpCard({std::nullopt, "", true});  // --fast is allowed with it
  EXPECT_FALSE(card.simulated);
  EXPECT_EQ(card.description, "W32N50.dll");
  EXPECT_EQ(card.libraryProblem, "W32N50.dll was not found.");
}

}  // namespace
}  // namespace quoril
