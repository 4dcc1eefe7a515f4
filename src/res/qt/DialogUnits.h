#pragma once
// Dialog units to pixels, as the dialog framework measures them: four
// horizontal units are the dialog font's average character width, eight
// vertical units its height.

#include <QFont>
#include <QRect>
#include <string_view>

namespace quoril {

class DialogUnits {
 public:
  DialogUnits(int baseX, int baseY) : baseX_(baseX), baseY_(baseY) {}
  static DialogUnits FromFont(const QFont& font);

  int BaseX() const { return baseX_; }
  int BaseY() const { return baseY_; }
  int X(int units) const;
  int Y(int units) const;
  QRect Rect(int x, int y, int w, int h) const;

 private:
  int baseX_;
  int baseY_;
};

// The template's font where this system has it, else the system's sans-serif
// at the same size.
QFont DialogFont(std::string_view face, int points);

}  // namespace quoril
