#include "app/CommandLine.h"

#include <CLI/CLI.hpp>

namespace quoril {

std::optional<int> ParseCommandLine(int argc, const char* const* argv, CommandLine& out) {
  CLI::App app(
      "WLAN Quoril: live link monitor, air scan, antenna test and transmit power control for "
      "PRISM II 802.11b cards.",
      "quoril");
  app.allow_extras();
  app.set_version_flag("--version", std::string("quoril ") + QUORIL_VERSION);
  CLI::Option* simulate =
      app.add_option("--simulate", out.scenario,
                     "Run on the simulated card, with a built-in scenario NAME, a JSON FILE or a "
                     "recording to replay (the default where no real card library is present)")
          ->expected(0, 1)
          ->type_name("NAME|FILE");
  app.add_option("--trace", out.trace, "Write every card request to FILE ('-': standard error)")
      ->type_name("FILE");
  app.add_option("--record", out.record,
                 "Record every call to the card into FILE, for --simulate=FILE to replay")
      ->type_name("FILE");
  app.add_flag("--record-mask-addresses", out.recordMaskAddresses,
               "In the recording, replace station addresses and BSS IDs by stand-ins");
  app.add_option("--screenshot", out.screenshots)->group("");
  app.add_option("--quit-after", out.quitAfterMs)->group("")->check(CLI::PositiveNumber);

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    // Help and version are answers; anything else is a mistake.
    return app.exit(e) == 0 ? 0 : 2;
  }
  out.simulate = simulate->count() > 0;
  const std::vector<std::string> rest = app.remaining();
  out.rest.assign(1, argc > 0 ? argv[0] : "quoril");
  out.rest.insert(out.rest.end(), rest.begin(), rest.end());
  return std::nullopt;
}

}  // namespace quoril
