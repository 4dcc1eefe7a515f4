#include "cli/ConsoleAdapterUi.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace quoril::cli {
namespace {

// A library that is missing or incomplete is named below the no-card message;
// with a usable library the message stays one line, as for a missing card.
TEST(ConsoleAdapterUi, TheNoCardMessageCarriesTheLibrarysProblemOnASecondLine) {
  for (const std::string cause : {"", "W32N50.dll has no W32N_MakeNdisRequest."}) {
    std::FILE* err = std::tmpfile();
    ASSERT_NE(err, nullptr);
    ConsoleAdapterUi ui(err, cause);
    ui.ShowMessage("Can not find the PC card WLAN");
    ui.ShowError("Error!", "In InitInputAdapter: PacketGetAddress returned nonzero");
    std::rewind(err);
    std::string printed;
    for (int c; (c = std::fgetc(err)) != EOF;) printed.push_back(static_cast<char>(c));
    std::fclose(err);
    EXPECT_EQ(printed, "Can not find the PC card WLAN\n" + (cause.empty() ? "" : cause + "\n") +
                           "Error! In InitInputAdapter: PacketGetAddress returned nonzero\n");
  }
}

}  // namespace
}  // namespace quoril::cli
