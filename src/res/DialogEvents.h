#pragma once
// What a window system tells a dialog: the dialog's side of the framework.
// Every call comes on the user-interface thread, one at a time, from inside
// WindowSystem::RunModal of this dialog or of a dialog it opened.

#include "res/ScrollCode.h"

namespace quoril {

class DialogPeer;

class DialogEvents {
 public:
  virtual ~DialogEvents() = default;

  // The dialog's window exists (its controls stand as the template has
  // them, none shown yet), or, with nullptr, is about to go. Nothing else is
  // called before the first or after the second.
  virtual void OnAttach(DialogPeer* peer) = 0;
  // Right after OnAttach, before the window shows. Ending the dialog here
  // ends it before it is ever shown. Returns true when the window system is
  // to put the focus on the first tab stop.
  virtual bool OnInitDialog() = 0;
  // A button was clicked (its id): also 1 (IDOK) for Enter and 2 (IDCANCEL)
  // for Escape and the close box. A radio button that a click checks is
  // checked, and the others of its group unchecked, before this arrives.
  virtual void OnCommand(int id) = 0;
  // A window timer of this dialog came due. Ticks that came due while
  // earlier ones ran are dropped, not delivered late.
  virtual void OnTimer(int timerId) = 0;
  // A horizontal scroll bar (OnHScroll) or an upright trackbar (OnVScroll)
  // with `id` was moved by the user, by mouse, keyboard or menu. `thumb` is
  // the thumb's place for kThumbPosition and kThumbTrack. The control has
  // not taken a new position yet: the handler sets the one that stays.
  // Trackbars differ: they have moved already, and the handler reads them.
  virtual void OnHScroll(int id, ScrollCode code, int thumb) = 0;
  virtual void OnVScroll(int id, ScrollCode code, int thumb) = 0;
  // An item that DialogPeer::AddSystemMenuItem added was chosen.
  virtual void OnSysCommand(unsigned command) = 0;
};

}  // namespace quoril
