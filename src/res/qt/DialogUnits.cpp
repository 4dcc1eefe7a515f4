#include "res/qt/DialogUnits.h"
#include "res/qt/QtText.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

namespace quoril {

namespace {

// Multiplies and divides, rounding half away from zero, as the platform's
// MulDiv does.
int MulDiv(int value, int numerator, int denominator) {
  const long long product = static_cast<long long>(value) * numerator;
  const long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator
                                       : (product - half) / denominator);
}

}  // namespace

DialogUnits DialogUnits::FromFont(const QFont& font) {
  // The average of the 52 letters, rounded to the nearest pixel.
  static const QString kLetters =
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  const QFontMetrics metrics(font);
  const int width = metrics.horizontalAdvance(kLetters);
  return DialogUnits((width / 26 + 1) / 2, metrics.height());
}

int DialogUnits::X(int units) const {
  return MulDiv(units, baseX_, 4);
}
int DialogUnits::Y(int units) const {
  return MulDiv(units, baseY_, 8);
}

QRect DialogUnits::Rect(int x, int y, int w, int h) const {
  return QRect(X(x), Y(y), X(w), Y(h));
}

QFont DialogFont(std::string_view face, int points) {
  const QString family = ToQString(face);
  if (QFontDatabase::families().contains(family)) return QFont(family, points);
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(points);
  return font;
}

}  // namespace quoril
