#pragma once
// The commands of quoril-cli. Each sets up the card from its options, prints
// on `out` (messages go to standard error) and returns the exit status
// (cli/ExitStatus.h). Ctrl-C ends the timed ones through their ordinary end.

#include <cstdio>
#include <optional>

#include "app/CardSetup.h"
#include "cli/Output.h"

namespace quoril::cli {

// Adapter name, station address and the status of the first 0xFD43 query.
int RunProbe(const CardOptions& card, std::FILE* out);

// One status refresh and the raw readings the windows take from it.
int RunRaw(const CardOptions& card, std::FILE* out);

struct MonitorOptions {
  CardOptions card;
  OutputFormat format = OutputFormat::kText;
  int count = 0;  // ticks; 0: until Ctrl-C or "WLAN Driver OFF"
  // Manual transmit power: nullopt keeps the settings' defaults (control on,
  // 100 mW); -1 switches control off; 0..7 picks a power button.
  std::optional<int> powerButton;
};
int RunMonitor(const MonitorOptions& options, std::FILE* out);

struct ScanOptions {
  CardOptions card;
  OutputFormat format = OutputFormat::kText;
  int sweeps = 0;  // 13 ticks each; 0: until Ctrl-C or the automatic close
  bool ber = false;
  int zoom = 97;     // Zoom slider position, 1..97
  int berLevel = 0;  // the BER threshold, 0..100
};
int RunScan(const ScanOptions& options, std::FILE* out);

struct AntennaOptions {
  CardOptions card;
  OutputFormat format = OutputFormat::kText;
  int sweeps = 0;   // 14 steps each; 0: until Ctrl-C
  int speed = 100;  // 1..100: a step every 550 - 5 x speed ms
};
int RunAntenna(const AntennaOptions& options, std::FILE* out);

}  // namespace quoril::cli
