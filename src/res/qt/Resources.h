#pragma once
// The images the windows load by resource number: the application icon (128)
// and the blank cursor (129).

#include <QCursor>
#include <QIcon>

namespace quoril {

QIcon ApplicationIcon();
// The icon resource `id`; a null icon when there is none.
QIcon ResourceIcon(int id);
// A fully transparent 32 x 32 cursor with its hot spot at 0, 0.
QCursor BlankCursor();

}  // namespace quoril
