#include "adapter/CardScript.h"

#include <algorithm>

#include "adapter/RequestCatalogue.h"

namespace quoril::testing {

using namespace catalogue;

CardScript::CardScript() {
  auto library = std::make_unique<ScriptedLibrary>();
  library_ = library.get();
  library_->answer = [this](const NdisRequest& request) { return Answer(request); };
  adapter.Connect(std::move(library), ui);
}

std::uint32_t CardScript::Answer(const NdisRequest& r) {
  std::uint8_t* b = r.buffer;
  if (r.oid == kOidCommand && b[0] == kCmdReadRegister) {
    const auto it = registers.find(b[2]);
    b[kRegisterValueOffset] = it == registers.end() ? 0 : it->second;
  } else if (r.oid == kOidCommand && b[0] == kCmdWriteRegister) {
    if (b[2] == kRegLinkErrorClear) return clearReg62Status;
  } else if (r.oid == kOidRecord) {
    const std::uint16_t id = static_cast<std::uint16_t>(b[2] | b[3] << 8);
    if (const auto it = records.find(id); it != records.end()) {
      std::copy(it->second.begin(), it->second.end(), b + kRecordValueOffset);
    }
    if (id == kRecordSignal) return signalRecordStatus;
  }
  return 0;
}

// Byte 2 of each command `command` sent, with byte 1 `sub` unless it is -1.
std::vector<std::uint8_t> CardScript::Sent(std::uint8_t command, int sub) const {
  std::vector<std::uint8_t> out;
  for (const LoggedCall* c : library_->Requests())
    if (c->oid == kOidCommand && c->sent.size() > 2 && c->sent[0] == command &&
        (sub < 0 || c->sent[1] == sub))
      out.push_back(c->sent[2]);
  return out;
}

std::vector<std::uint8_t> CardScript::TunedChannels() const {
  return Sent(kCmdTest, kTestSetChannel);
}
std::vector<std::uint8_t> CardScript::WrittenRegisters() const {
  return Sent(kCmdWriteRegister, -1);
}

}  // namespace quoril::testing
