#pragma once
// The main window's Antenna Test command: the dialog with its settings from
// the profile, run with the card at transmit level 128 and followed by the
// end of the test whatever its result; after OK the settings go back.

namespace quoril {

class CAdapter;
class Profile;
class WindowSystem;

// Returns the dialog's result (CDialog::IDOK or IDCANCEL).
int RunAntennaTest(CAdapter& adapter, Profile& profile, WindowSystem& windows);

}  // namespace quoril
