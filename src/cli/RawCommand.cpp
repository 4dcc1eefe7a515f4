#include <cstdio>

#include "app/PollInputs.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/Session.h"

namespace quoril::cli {

// Manual power control stays off (as the adapter starts), so the refresh
// only reads: the 13 requests of the plain poll.
int RunRaw(const CardOptions& card, std::FILE* out) {
  Session session(card);
  session.Open();
  session.Adapter().PacketGetStatus();
  const PollInputs in = PollInputs::Read(session.Adapter());
  std::fprintf(out, "S  %u\n", in.S);
  std::fprintf(out, "N  %u\n", in.N);
  std::fprintf(out, "L  %u\n", in.L);
  std::fprintf(out, "P  %u\n", in.P);
  std::fprintf(out, "BSS ID  %02x:%02x:%02x:%02x:%02x:%02x\n", in.B[0], in.B[1], in.B[2], in.B[3],
               in.B[4], in.B[5]);
  std::fprintf(out, "R  %u\n", in.R);
  std::fprintf(out, "Ch  %u\n", in.Ch);
  std::fprintf(out, "T  %u\n", in.T);
  std::fprintf(out, "M  %u\n", in.M);
  std::fprintf(out, "C10  %u\nC11  %u\nC12  %u\nC13  %u\n", in.C10, in.C11, in.C12, in.C13);
  std::fprintf(out, "nNdisStatus  %08x\n", in.status);
  return kExitOk;
}

}  // namespace quoril::cli
