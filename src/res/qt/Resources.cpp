#include "res/qt/Resources.h"

#include <QPixmap>

#include "res/DialogTemplate.h"

namespace quoril {

QIcon ApplicationIcon() {
  QIcon icon;
  for (const char* file :
       {":/quoril/quoril-16.png", ":/quoril/quoril-32.png", ":/quoril/quoril-64.png"}) {
    icon.addFile(QString::fromLatin1(file));
  }
  return icon;
}

QIcon ResourceIcon(int id) {
  return id == res::kApplicationIcon ? ApplicationIcon() : QIcon();
}

QCursor BlankCursor() {
  return QCursor(QPixmap(QStringLiteral(":/quoril/blank-cursor.png")), 0, 0);
}

}  // namespace quoril
