#include "antenna/AntennaReport.h"

namespace quoril {

namespace {

struct VerdictLimit {
  double atMost;
  std::string_view text;
};
constexpr VerdictLimit kVerdicts[] = {
    {1.4, "Nice antenna ..."},
    {1.6, "Normal antenna ..."},
    {2.0, "Bad antenna ..."},
};
constexpr std::string_view kBeyondLimits = "Problems ... Check a cable, pigtail, antenna";
constexpr std::string_view kIncomplete = "To measure, please wait!";

// The last channel point lies outside the band the verdict is about.
constexpr std::size_t kJudgedChannels = 13;

}  // namespace

std::string_view AntennaVerdict(double maximum, bool complete) {
  if (!complete) return kIncomplete;
  for (const VerdictLimit& limit : kVerdicts) {
    if (maximum <= limit.atMost) return limit.text;
  }
  return kBeyondLimits;
}

void FormatVswrValue(double value, ShortText& out) {
  out.Format("%01.2f", value);
}

AntennaReport RefreshAntennaReport(std::span<const double, 14> vswr) {
  AntennaReport r;
  r.complete = true;
  for (std::size_t i = 0; i < vswr.size(); ++i) {
    const double v = vswr[i];
    const int channel = static_cast<int>(i) + 1;
    if (i < kJudgedChannels && v > r.maximum) {
      r.maximum = v;
      r.maxChannel = channel;
    }
    if (v < r.minimum) {
      r.minimum = v;
      r.minChannel = channel;
    }
    if (v == 0.0) r.complete = false;
    FormatVswrValue(v, r.values[i]);
  }
  // Precision 0 prints no digit for channel 0: the text ends in one blank.
  r.maxChannelText.FormatUnchecked("max =%01.0d", r.maxChannel);
  r.minChannelText.FormatUnchecked("min =%01.0d", r.minChannel);
  r.minText.Format("VSWR_min = %01.2f", r.minimum);
  r.maxText.Format("VSWR_max = %01.2f", r.maximum);
  r.verdict = AntennaVerdict(r.maximum, r.complete);
  return r;
}

}  // namespace quoril
