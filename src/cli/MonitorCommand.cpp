#include <cstdio>

#include "app/MemoryProfile.h"
#include "app/PollTick.h"
#include "app/Settings.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/MonitorOutput.h"
#include "cli/Session.h"
#include "cli/TickLoop.h"
#include "power/PowerControlModel.h"

namespace quoril::cli {
namespace {

// The power dialog's clicks, made before the first tick.
void ChoosePower(CAdapter& adapter, int button) {
  PowerControlModel power(adapter);
  power.Load();
  if (button < 0) {
    power.ClickOff();
  } else {
    power.ClickOn();
    power.ClickPower(button);
  }
}

void Print(std::FILE* out, OutputFormat format, const MonitorTick& tick) {
  PrintTick(out, format, tick, MonitorText, MonitorJson, MonitorCsvRow);
}

}  // namespace

int RunMonitor(const MonitorOptions& options, std::FILE* out) {
  Session session(options.card);
  CAdapter& adapter = session.Adapter();
  // The terminal keeps no settings: an empty profile gives the table's
  // defaults, as on a first start of the program.
  const MemoryProfile noSettings;
  LoadMainWindowSettings(noSettings, adapter);
  if (options.powerButton) ChoosePower(adapter, *options.powerButton);
  session.Open();

  if (options.format == OutputFormat::kCsv) PrintLine(out, MonitorCsvHeader());
  MonitorDisplay display;
  int status = kExitOk;
  Clock& clock = session.GetClock();
  TickLoop{Millis{kPollPeriodMs}, options.count}.Run(clock, [&](int n) {
    const TickStamp stamp{n, clock.Now()};
    const PollResult result = RunPollTick(adapter);
    display.Apply(result);
    Print(out, options.format,
          {stamp, display, result.clearReg62, result.alarm.kind, result.alarm.text.view(),
           adapter.nNdisStatus});
    switch (result.alarm.kind) {
      case DriverAlarm::Kind::kNone:
        return true;
      case DriverAlarm::Kind::kOff:
        std::fprintf(stderr, "%s\n", result.alarm.text.c_str());
        status = kExitDriverOff;
        return false;
      case DriverAlarm::Kind::kFailure:
        // No Retry button on a terminal: the poll simply goes on.
        std::fprintf(stderr, "%s (polling goes on)\n", result.alarm.text.c_str());
        return true;
    }
    return true;
  });
  return status;
}

}  // namespace quoril::cli
