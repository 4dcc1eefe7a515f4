#include "res/recording/RecordingWindowSystem.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace quoril::recording {

namespace {

// Something that comes due: a timer of a dialog or of a chart, or an action.
struct Due {
  Millis at{Millis::max()};
  std::uint64_t order = std::numeric_limits<std::uint64_t>::max();
  RecordingDialog* dialog = nullptr;
  ChartState* chart = nullptr;
  int timerId = 0;
  std::size_t action = 0;
  bool isAction = false;

  bool Before(Millis otherAt, std::uint64_t otherOrder) const {
    return otherAt < at || (otherAt == at && otherOrder < order);
  }
};

std::string Str(int value) {
  return std::to_string(value);
}

}  // namespace

RecordingWindowSystem::RecordingWindowSystem() : clock_(ownClock_) {}
RecordingWindowSystem::RecordingWindowSystem(ManualClock& clock) : clock_(clock) {}
RecordingWindowSystem::~RecordingWindowSystem() = default;

void RecordingWindowSystem::WhenOpen(int templateId, Script script) {
  scripts_[templateId].push_back(std::move(script));
}

void RecordingWindowSystem::AnswerBoxes(std::initializer_list<BoxAnswer> answers) {
  answers_.insert(answers_.end(), answers.begin(), answers.end());
}

void RecordingWindowSystem::Note(std::string line) {
  if (keepLog_) log_.push_back(std::move(line));
}

RecordingDialog* RecordingWindowSystem::Find(int templateId) const {
  for (auto it = open_.rbegin(); it != open_.rend(); ++it) {
    if ((*it)->TemplateId() == templateId) return *it;
  }
  return nullptr;
}

const RecordingDialog& RecordingWindowSystem::Last(int templateId) const {
  for (auto it = dialogs_.rbegin(); it != dialogs_.rend(); ++it) {
    if ((*it)->TemplateId() == templateId) return **it;
  }
  throw std::logic_error("dialog " + Str(templateId) + " never opened");
}

// --- Boxes and actions ----------------------------------------------------------

BoxAnswer RecordingWindowSystem::Show(std::string_view caption, std::string_view text,
                                      BoxButtons buttons, BoxIcon icon) {
  boxes_.push_back({std::string(caption), std::string(text), buttons, icon});
  Note("box " + boxes_.back().caption + "|" + boxes_.back().text);
  if (whileBoxShown) whileBoxShown(boxes_.back());
  if (!answers_.empty()) {
    const BoxAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  if (buttons == BoxButtons::kOk) return BoxAnswer::kOk;
  throw UnscriptedModalRun("no answer for the box \"" + std::string(text) + "\"");
}

void RecordingWindowSystem::After(int ms, std::function<void()> action) {
  actions_.push_back({clock_.Now() + Millis{ms}, Order(), std::move(action)});
}

// --- Time -------------------------------------------------------------------------

bool RecordingWindowSystem::FireNext(Millis end) {
  Due next;
  for (RecordingDialog* dialog : open_) {
    if (dialog->Ended()) continue;
    for (auto& [id, timer] : dialog->Timers()) {
      if (next.Before(timer.schedule.NextDue(), timer.order)) {
        next = {timer.schedule.NextDue(), timer.order, dialog, nullptr, id};
      }
    }
    for (const auto& chart : dialog->Charts()) {
      for (auto& [id, timer] : chart->timers) {
        if (next.Before(timer.schedule.NextDue(), timer.order)) {
          next = {timer.schedule.NextDue(), timer.order, dialog, chart.get(), id};
        }
      }
    }
  }
  for (std::size_t i = 0; i < actions_.size(); ++i) {
    if (next.Before(actions_[i].due, actions_[i].order)) {
      next = {actions_[i].due, actions_[i].order, nullptr, nullptr, 0, i, true};
    }
  }
  if (next.at > end) return false;
  if (next.at > clock_.Now()) clock_.Advance(next.at - clock_.Now());

  if (next.isAction) {
    const std::function<void()> action = std::move(actions_[next.action].run);
    actions_.erase(actions_.begin() + static_cast<std::ptrdiff_t>(next.action));
    action();
    return true;
  }
  // The tick runs; unless it set or killed its own timer, the next one keeps
  // the rhythm and those that came due meanwhile are dropped.
  if (next.chart) {
    next.chart->events->OnTimer(next.timerId);
    const auto it = next.chart->timers.find(next.timerId);
    if (it != next.chart->timers.end() && it->second.order == next.order) {
      it->second.schedule.Advance(clock_.Now());
    }
  } else {
    Note(Str(next.dialog->TemplateId()) + " tick " + Str(next.timerId));
    next.dialog->Events().OnTimer(next.timerId);
    const auto it = next.dialog->Timers().find(next.timerId);
    if (it != next.dialog->Timers().end() && it->second.order == next.order) {
      it->second.schedule.Advance(clock_.Now());
    }
  }
  return true;
}

void RecordingWindowSystem::Run(int ms) {
  const Millis end = clock_.Now() + Millis{ms};
  RecordingDialog* owner = open_.empty() ? nullptr : open_.back();
  while (!(owner && owner->Ended())) {
    if (!FireNext(end)) break;
  }
  if (!(owner && owner->Ended()) && clock_.Now() < end) clock_.Advance(end - clock_.Now());
}

// --- Modal runs ---------------------------------------------------------------------

void RecordingWindowSystem::Idle(RecordingDialog& dialog) {
  if (auto it = scripts_.find(dialog.TemplateId()); it != scripts_.end() && !it->second.empty()) {
    const Script script = std::move(it->second.front());
    it->second.pop_front();
    script(dialog);
  }
  while (!dialog.Ended()) {
    if (actions_.empty()) {
      throw UnscriptedModalRun("dialog " + Str(dialog.TemplateId()) +
                               " is open with nothing left to do");
    }
    const auto first =
        std::min_element(actions_.begin(), actions_.end(), [](const Action& a, const Action& b) {
          return a.due < b.due || (a.due == b.due && a.order < b.order);
        });
    const Millis wait = std::max(first->due - clock_.Now(), Millis{0});
    Run(static_cast<int>(wait.count()));
  }
}

int RecordingWindowSystem::RunModalWindow(OpenDialog& open) {
  dialogs_.push_back(std::make_unique<RecordingDialog>(*this, *open.dialogTemplate, *open.events));
  RecordingDialog& dialog = *dialogs_.back();
  opened_.push_back(dialog.TemplateId());
  open_.push_back(&dialog);
  Note(Str(dialog.TemplateId()) + " open");
  const auto close = [&] {
    dialog.Close();
    open_.pop_back();
    open.events->OnAttach(nullptr);
    open.peer = nullptr;
  };
  try {
    open.peer = &dialog;
    open.events->OnAttach(&dialog);
    const bool focus = open.events->OnInitDialog();
    if (!dialog.Ended()) {
      dialog.ShowWindow(focus);
      Idle(dialog);
    }
  } catch (...) {
    close();
    throw;
  }
  close();
  return dialog.Result();
}

}  // namespace quoril::recording
