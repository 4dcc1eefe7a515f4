// quoril-cli: the link monitor, the air scan and the antenna test of WLAN
// Quoril on a terminal. Options are described in docs/cli.md.

#include <CLI/CLI.hpp>
#include <climits>
#include <cstdio>
#include <exception>
#include <string>

#include "adapter/CAdapter.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/Interrupt.h"
#include "power/PowerButtons.h"

namespace {

using namespace quoril;
using namespace quoril::cli;

constexpr const char* kExitStatuses =
    "Exit status: 0 done (or Ctrl-C), 1 the card could not be set up, 2 bad command line, "
    "scenario, recording or trace file, 3 no card found, 4 \"WLAN Driver OFF\" ended the monitor.";

// What every command shares: where the card comes from, the trace, the clock.
struct CardFlags {
  std::string simulate;
  CLI::Option* simulateOption = nullptr;
  CardOptions card;

  void AddTo(CLI::App& command) {
    simulateOption =
        command
            .add_option("--simulate", simulate,
                        "Use the simulated card: a built-in scenario (office, weak-link, adhoc, "
                        "lost-link, bad-antenna, no-card, driver-off, slow-driver), a "
                        "scenario file or a recording to replay; alone, the office scenario")
            ->expected(0, 1)
            ->type_name("NAME|FILE");
    command
        .add_option("--trace", card.trace,
                    "Write one line per card request to FILE ('-' for standard error)")
        ->type_name("FILE");
    command
        .add_option("--record", card.record,
                    "Record every call to the card into FILE, for --simulate=FILE to replay")
        ->type_name("FILE");
    command.add_flag("--record-mask-addresses", card.maskAddresses,
                     "In the recording, replace station addresses and BSS IDs by stand-ins");
    command.add_flag("--fast", card.fast,
                     "Let time pass without waiting: with the simulated card a run is instant "
                     "and the same every time; a real card is polled back to back");
    command.set_version_flag("--version", std::string("quoril-cli ") + QUORIL_VERSION);
  }

  CardOptions Resolve() {
    if (simulateOption->count() > 0) card.simulate = simulate;
    return card;
  }
};

struct FormatFlags {
  bool json = false;
  bool csv = false;

  void AddTo(CLI::App& command, const char* jsonText) {
    auto* j = command.add_flag("--json", json, jsonText);
    auto* c = command.add_flag("--csv", csv,
                               "One CSV row per tick after a header row; the first column is "
                               "the time in seconds since the start");
    j->excludes(c);
  }
  OutputFormat Get() const {
    return json ? OutputFormat::kJson : csv ? OutputFormat::kCsv : OutputFormat::kText;
  }
};

std::vector<std::string> PowerChoices() {
  std::vector<std::string> choices = {"off"};
  for (const PowerButton& button : kPowerButtons) choices.emplace_back(button.caption);
  return choices;
}

// "off" gives -1, a caption its button's index.
int PowerButtonOf(const std::string& choice) {
  for (const PowerButton& button : kPowerButtons) {
    if (button.caption == choice) return button.index;
  }
  return -1;
}

template <typename Run>
int Guarded(Run run) {
  try {
    return run();
  } catch (const CardSetupError& e) {
    std::fprintf(stderr, "quoril-cli: %s\n", e.what());
    return kExitUsage;
  } catch (const CAdapter::Initialization&) {
    std::fprintf(stderr, "quoril-cli: the card could not be set up for use\n");
    return kExitFailure;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "quoril-cli: %s\n", e.what());
    return kExitFailure;
  }
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{
      "WLAN Quoril on a terminal: watch the link, survey the air and test the antenna "
      "of a PRISM II card."};
  app.set_version_flag("--version", std::string("quoril-cli ") + QUORIL_VERSION);
  app.require_subcommand(1);
  app.footer(kExitStatuses);
  const CLI::Range count(1, INT_MAX);

  CardFlags probeCard;
  CLI::App* probe = app.add_subcommand(
      "probe",
      "Find and open the card; print its name, its station address and the status of "
      "its first signal query");
  probeCard.AddTo(*probe);

  CardFlags rawCard;
  CLI::App* raw = app.add_subcommand(
      "raw", "Open the card, refresh its status once and print the raw readings");
  rawCard.AddTo(*raw);

  CardFlags monitorCard;
  FormatFlags monitorFormat;
  MonitorOptions monitorOptions;
  std::string power;
  CLI::App* monitor = app.add_subcommand(
      "monitor",
      "Poll the card every 300 ms as the main window does and print what it shows. A driver "
      "failure prints its message and polling goes on (a terminal has no Retry button); "
      "\"WLAN Driver OFF\" ends the command with status 4.");
  monitorCard.AddTo(*monitor);
  monitorFormat.AddTo(*monitor,
                      "One JSON object per line and tick: every text by its role, the bars, "
                      "the register 0x62 clear and the alarm");
  monitor->add_option("--count", monitorOptions.count, "Stop after N ticks")
      ->type_name("N")
      ->check(count);
  monitor
      ->add_option("--power", power,
                   "Manual transmit power for the run, as the power dialog sets it (default: "
                   "control on at 100 mW)")
      ->type_name("MW")
      ->check(CLI::IsMember(PowerChoices()));

  CardFlags scanCard;
  FormatFlags scanFormat;
  ScanOptions scanOptions;
  CLI::App* scan = app.add_subcommand(
      "scan",
      "Survey channels 1 to 13, one reading every 100 ms. Like the dialog, the scan closes by "
      "itself after 13 ticks in a row without errors while the BER threshold is 0.");
  scanCard.AddTo(*scan);
  scanFormat.AddTo(*scan, "One JSON object per line and tick");
  scan->add_option("--count", scanOptions.sweeps, "Stop after N sweeps of 13 ticks")
      ->type_name("N")
      ->check(count);
  scan->add_flag("--ber", scanOptions.ber, "Bars show the error reading (0..100), not the level");
  scan->add_option("--zoom", scanOptions.zoom, "Top of the dBm scale, as the Zoom slider (97)")
      ->type_name("POS")
      ->check(CLI::Range(1, 97));
  scan->add_option("--level-ber", scanOptions.berLevel,
                   "BER threshold (0): a bar's background turns yellow when the error reading "
                   "is at most this")
      ->type_name("THRESHOLD")
      ->check(CLI::Range(0, 100));

  CardFlags antennaCard;
  FormatFlags antennaFormat;
  AntennaOptions antennaOptions;
  CLI::App* antenna = app.add_subcommand(
      "antenna", "Measure the antenna's VSWR on channels 1 to 14 and judge it after every sweep");
  antennaCard.AddTo(*antenna);
  antennaFormat.AddTo(*antenna,
                      "One JSON object per line and step; the last of a sweep "
                      "carries the report");
  antenna->add_option("--count", antennaOptions.sweeps, "Stop after N sweeps of 14 steps")
      ->type_name("N")
      ->check(count);
  antenna
      ->add_option("--speed", antennaOptions.speed,
                   "Sweep speed: a step every 550 - 5 x speed ms (100)")
      ->type_name("SPEED")
      ->check(CLI::Range(1, 100));

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? kExitOk : kExitUsage;
  }

  InstallInterruptHandler();
  if (probe->parsed()) {
    return Guarded([&] { return RunProbe(probeCard.Resolve(), stdout); });
  }
  if (raw->parsed()) {
    return Guarded([&] { return RunRaw(rawCard.Resolve(), stdout); });
  }
  if (monitor->parsed()) {
    monitorOptions.card = monitorCard.Resolve();
    monitorOptions.format = monitorFormat.Get();
    if (!power.empty()) monitorOptions.powerButton = PowerButtonOf(power);
    return Guarded([&] { return RunMonitor(monitorOptions, stdout); });
  }
  if (scan->parsed()) {
    scanOptions.card = scanCard.Resolve();
    scanOptions.format = scanFormat.Get();
    return Guarded([&] { return RunScan(scanOptions, stdout); });
  }
  antennaOptions.card = antennaCard.Resolve();
  antennaOptions.format = antennaFormat.Get();
  return Guarded([&] { return RunAntenna(antennaOptions, stdout); });
}
