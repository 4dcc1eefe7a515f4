#include <cstdio>

#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/Session.h"

namespace quoril::cli {

int RunProbe(const CardOptions& card, std::FILE* out) {
  Session session(card);
  session.Open();
  const CAdapter& adapter = session.Adapter();
  const std::uint8_t* a = adapter.AdapterAddress;
  std::fprintf(out, "Adapter: %s\n", adapter.AdapterName);
  std::fprintf(out, "Address: %02x:%02x:%02x:%02x:%02x:%02x\n", a[0], a[1], a[2], a[3], a[4], a[5]);
  std::fprintf(out, "nNdisStatus: %04x\n", adapter.nNdisStatus);
  return kExitOk;
}

}  // namespace quoril::cli
