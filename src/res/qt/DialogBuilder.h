#pragma once
// Turns a dialog template into a Qt dialog: caption, font, client size and
// window decorations, then every control at its place, hidden and disabled
// ones included, so that code reaches each by its template id.

#include <QDialog>

#include "res/DialogTemplate.h"
#include "res/qt/DialogControls.h"
#include "res/qt/DialogUnits.h"

namespace quoril {

DialogControls BuildDialog(const res::DialogTemplate& dialogTemplate, QDialog& dialog);

// The units `dialog` was laid out in (from its font).
DialogUnits UnitsOf(const QWidget& dialog);

}  // namespace quoril
