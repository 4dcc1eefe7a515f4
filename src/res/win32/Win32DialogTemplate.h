#pragma once
// A dialog template as the platform's dialog manager reads it from memory: a
// DLGTEMPLATE with the template's own font, then one DLGITEMTEMPLATE per
// control, each control made with the class and styles its kind and style
// bits call for.

#include <windows.h>

#include <vector>

#include "res/DialogTemplate.h"

namespace quoril::win32 {

// The words of the in-memory template; data() is DWORD-aligned, as
// DialogBoxIndirectParamW needs.
using DialogTemplateWords = std::vector<WORD>;

DialogTemplateWords BuildDialogTemplate(const res::DialogTemplate& dialog);

// Window styles and extended styles of the dialog window itself.
DWORD DialogWindowStyle(const res::DialogTemplate& dialog);
DWORD DialogExtendedStyle(const res::DialogTemplate& dialog);
// The window style a control of the template is made with.
DWORD ControlWindowStyle(const res::ControlTemplate& control);
// Its window class, as GetClassNameW reports it ("Button", "msctls_progress32").
const wchar_t* ControlClassName(res::ControlKind kind);

}  // namespace quoril::win32
