#include "res/WindowSystem.h"

namespace quoril {

int WindowSystem::RunModal(const res::DialogTemplate& dialogTemplate, DialogEvents& events) {
  open_.push_back({&dialogTemplate, &events, nullptr});
  struct Close {
    std::deque<OpenDialog>& open;
    ~Close() { open.pop_back(); }
  } close{open_};
  return RunModalWindow(open_.back());
}

}  // namespace quoril
