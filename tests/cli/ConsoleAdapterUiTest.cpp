#include "cli/ConsoleAdapterUi.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace quoril::cli {
namespace {

std::string Printed(std::FILE* f) {
  std::rewind(f);
  std::string text;
  for (int c; (c = std::fgetc(f)) != EOF;) text.push_back(static_cast<char>(c));
  return text;
}

// A library that is missing or incomplete is named below the no-card message;
// with a usable library the message stays one line, as for a missing card.
TEST(ConsoleAdapterUi, TheNoCardMessageCarriesTheLibrarysProblemOnASecondLine) {
  struct Case {
    const char* cause;
    const char* printed;
  };
  const Case cases[] = {
      {"", "Can not find the PC card WLAN\n"},
      {"W32N50.dll has no W32N_MakeNdisRequest.",
       "Can not find the PC card WLAN\nW32N50.dll has no W32N_MakeNdisRequest.\n"},
  };
  for (const Case& c : cases) {
    std::FILE* err = std::tmpfile();
    ASSERT_NE(err, nullptr);
    ConsoleAdapterUi ui(err, c.cause);
    ui.ShowMessage("Can not find the PC card WLAN");
    ui.ShowError("Error!", "In InitInputAdapter: PacketGetAddress returned nonzero");
    EXPECT_EQ(Printed(err), std::string(c.printed) +
                                "Error! In InitInputAdapter: PacketGetAddress returned nonzero\n");
    std::fclose(err);
  }
}

}  // namespace
}  // namespace quoril::cli
