#include "res/win32/Win32DialogTemplate.h"

#include <commctrl.h>

#include <string_view>

#include "res/win32/WideText.h"

namespace quoril::win32 {

namespace {

using res::ControlKind;

struct KindClass {
  ControlKind kind;
  WORD atom;  // the dialog manager's number of a predefined class, 0 for none
  const wchar_t* name;
  DWORD style;
};

constexpr KindClass kKindClasses[] = {
    {ControlKind::kStatic, 0x0082, L"Static", SS_LEFT},
    {ControlKind::kIcon, 0x0082, L"Static", SS_ICON},
    {ControlKind::kEdit, 0x0081, L"Edit", ES_LEFT},
    {ControlKind::kGroupBox, 0x0080, L"Button", BS_GROUPBOX},
    {ControlKind::kPushButton, 0x0080, L"Button", BS_PUSHBUTTON},
    {ControlKind::kRadioButton, 0x0080, L"Button", BS_AUTORADIOBUTTON},
    {ControlKind::kProgressBar, 0, PROGRESS_CLASSW, 0},
    {ControlKind::kSlider, 0, TRACKBAR_CLASSW, 0},
    {ControlKind::kScrollBar, 0x0084, L"ScrollBar", SBS_HORZ},
};

// A style bit of the template and what it sets on one kind of control; a
// row without a kind applies to every kind.
struct StyleBit {
  std::uint32_t bit;
  bool anyKind;
  ControlKind kind;
  DWORD style;
};

constexpr StyleBit kStyleBits[] = {
    {res::kDisabled, true, {}, WS_DISABLED},
    {res::kBorder, true, {}, WS_BORDER},
    {res::kGroup, true, {}, WS_GROUP},
    {res::kTabStop, true, {}, WS_TABSTOP},
    {res::kCentre, false, ControlKind::kStatic, SS_CENTER},
    {res::kCentre, false, ControlKind::kEdit, ES_CENTER},
    {res::kCentre, false, ControlKind::kGroupBox, BS_CENTER},
    {res::kCentre, false, ControlKind::kPushButton, BS_CENTER},
    {res::kCentre, false, ControlKind::kRadioButton, BS_CENTER},
    {res::kVCentre, false, ControlKind::kStatic, SS_CENTERIMAGE},
    {res::kNoPrefix, false, ControlKind::kStatic, SS_NOPREFIX},
    {res::kReadOnly, false, ControlKind::kEdit, ES_READONLY},
    {res::kMultiLine, false, ControlKind::kEdit, ES_MULTILINE},
    {res::kAutoHScroll, false, ControlKind::kEdit, ES_AUTOHSCROLL},
    {res::kDefault, false, ControlKind::kPushButton, BS_DEFPUSHBUTTON},
    {res::kPushLike, false, ControlKind::kRadioButton, BS_PUSHLIKE},
    {res::kVertical, false, ControlKind::kProgressBar, PBS_VERTICAL},
    {res::kVertical, false, ControlKind::kSlider, TBS_VERT},
    {res::kSmooth, false, ControlKind::kProgressBar, PBS_SMOOTH},
    {res::kAutoTicks, false, ControlKind::kSlider, TBS_AUTOTICKS},
};

struct DialogBit {
  std::uint32_t bit;
  DWORD style;
};

constexpr DialogBit kDialogBits[] = {
    {res::kCaption, WS_CAPTION},
    {res::kSystemMenu, WS_SYSMENU},
    {res::kMinimizeBox, WS_MINIMIZEBOX},
    {res::kModalFrame, DS_MODALFRAME},
};

const KindClass& ClassOf(ControlKind kind) {
  for (const KindClass& k : kKindClasses) {
    if (k.kind == kind) return k;
  }
  return kKindClasses[0];
}

class TemplateWriter {
 public:
  void Word(WORD w) { words_.push_back(w); }
  void Dword(DWORD d) {
    Word(LOWORD(d));
    Word(HIWORD(d));
  }
  void Short(int value) { Word(static_cast<WORD>(static_cast<short>(value))); }
  void Text(std::string_view utf8) {
    for (wchar_t c : Widen(utf8)) Word(static_cast<WORD>(c));
    Word(0);
  }
  void WideText(const wchar_t* text) {
    for (; *text; ++text) Word(static_cast<WORD>(*text));
    Word(0);
  }
  void Ordinal(WORD number) {
    Word(0xFFFF);
    Word(number);
  }
  void AlignToDword() {
    if (words_.size() % 2 != 0) Word(0);
  }
  DialogTemplateWords Take() { return std::move(words_); }

 private:
  DialogTemplateWords words_;
};

void WriteControl(TemplateWriter& out, const res::ControlTemplate& control) {
  out.AlignToDword();
  out.Dword(ControlWindowStyle(control));
  out.Dword(0);
  out.Short(control.x);
  out.Short(control.y);
  out.Short(control.w);
  out.Short(control.h);
  out.Word(static_cast<WORD>(control.id));  // kNoId becomes 0xFFFF, as in a resource script
  const KindClass& cls = ClassOf(control.kind);
  if (cls.atom != 0) {
    out.Ordinal(cls.atom);
  } else {
    out.WideText(cls.name);
  }
  if (control.kind == ControlKind::kIcon) {
    int number = 0;
    for (char c : control.text) number = number * 10 + (c - '0');
    out.Ordinal(static_cast<WORD>(number));
  } else {
    out.Text(control.text);
  }
  out.Word(0);  // no creation data
}

}  // namespace

DWORD DialogWindowStyle(const res::DialogTemplate& dialog) {
  // Centred on the screen; the dialog manager keeps it there for nested ones too.
  DWORD style = WS_POPUP | DS_SETFONT | DS_3DLOOK | DS_CENTER;
  for (const DialogBit& b : kDialogBits) {
    if (dialog.style & b.bit) style |= b.style;
  }
  return style;
}

DWORD DialogExtendedStyle(const res::DialogTemplate& dialog) {
  return (dialog.style & res::kAppWindow) ? WS_EX_APPWINDOW : 0;
}

DWORD ControlWindowStyle(const res::ControlTemplate& control) {
  DWORD style = WS_CHILD | ClassOf(control.kind).style;
  if (!(control.style & res::kHidden)) style |= WS_VISIBLE;
  for (const StyleBit& b : kStyleBits) {
    if ((control.style & b.bit) && (b.anyKind || b.kind == control.kind)) style |= b.style;
  }
  return style;
}

const wchar_t* ControlClassName(res::ControlKind kind) {
  return ClassOf(kind).name;
}

DialogTemplateWords BuildDialogTemplate(const res::DialogTemplate& dialog) {
  TemplateWriter out;
  out.Dword(DialogWindowStyle(dialog));
  out.Dword(DialogExtendedStyle(dialog));
  out.Word(static_cast<WORD>(dialog.controls.size()));
  out.Short(0);
  out.Short(0);
  out.Short(dialog.w);
  out.Short(dialog.h);
  out.Word(0);  // no menu
  out.Word(0);  // the dialog class
  out.Text(dialog.caption);
  out.Word(static_cast<WORD>(dialog.fontPoints));
  out.Text(dialog.fontFace);
  for (const res::ControlTemplate& control : dialog.controls) WriteControl(out, control);
  return out.Take();
}

}  // namespace quoril::win32
