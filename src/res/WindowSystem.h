#pragma once
// The platform's windows as the program uses them: modal dialogs built from
// their numbered templates, message boxes, and one-shot actions on the
// user-interface thread. Backends: Qt Widgets, Win32, and a recording one
// for tests. Everything runs on one thread; dialogs nest, and the timers of
// every open dialog keep running while an inner one is modal.

#include <deque>
#include <functional>

#include "res/DialogTemplate.h"
#include "res/MessageBoxes.h"

namespace quoril {

class DialogEvents;
class DialogPeer;

class WindowSystem : public MessageBoxes {
 public:
  // A dialog whose modal run is going on.
  struct OpenDialog {
    const res::DialogTemplate* dialogTemplate;
    DialogEvents* events;
    DialogPeer* peer;
  };

  // Makes the window of `dialogTemplate`, calls events.OnAttach(peer) and
  // events.OnInitDialog(), shows the window unless the dialog ended already,
  // and delivers its events until DialogPeer::EndModal. Then the window goes
  // (events.OnAttach(nullptr)) and the result of EndModal is returned.
  int RunModal(const res::DialogTemplate& dialogTemplate, DialogEvents& events);

  // Runs `action` once, `ms` from now, between the events of the open
  // dialogs (it may open one of its own).
  virtual void After(int ms, std::function<void()> action) = 0;

  // Open dialogs, the outermost first.
  const std::deque<OpenDialog>& OpenDialogs() const { return open_; }

 protected:
  // The backend's part of RunModal: everything from making the window to
  // its going. It sets `dialog.peer` as it calls OnAttach, and back to
  // nullptr with OnAttach(nullptr).
  virtual int RunModalWindow(OpenDialog& dialog) = 0;

 private:
  std::deque<OpenDialog> open_;  // a deque: an inner dialog leaves the outer ones in place
};

}  // namespace quoril
