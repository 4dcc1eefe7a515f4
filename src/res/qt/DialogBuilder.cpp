#include "res/qt/DialogBuilder.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <vector>

#include "res/qt/BarControl.h"
#include "res/qt/QtText.h"
#include "res/qt/Resources.h"
#include "res/qt/ScrollBarControl.h"
#include "res/qt/StaticControl.h"
#include "res/qt/TrackbarControl.h"

namespace quoril {

using res::ControlKind;
using res::ControlTemplate;

namespace {

bool Has(const ControlTemplate& c, std::uint32_t style) {
  return (c.style & style) != 0;
}

Qt::WindowFlags WindowFlagsFor(std::uint32_t style) {
  Qt::WindowFlags flags = (style & res::kAppWindow) ? Qt::Window : Qt::Dialog;
  flags |= Qt::CustomizeWindowHint;
  if (style & res::kCaption) flags |= Qt::WindowTitleHint;
  if (style & res::kSystemMenu) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (style & res::kMinimizeBox) flags |= Qt::WindowMinimizeButtonHint;
  return flags;
}

QWidget* MakeStatic(const ControlTemplate& c, QWidget* parent) {
  auto* label = new StaticControl(ToQString(c.text), !Has(c, res::kNoPrefix), parent);
  Qt::Alignment align = Has(c, res::kCentre) ? Qt::AlignHCenter : Qt::AlignLeft;
  align |= Has(c, res::kVCentre) ? Qt::AlignVCenter : Qt::AlignTop;
  label->setAlignment(align);
  if (Has(c, res::kBorder)) {
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
  }
  return label;
}

QWidget* MakeIcon(const ControlTemplate& c, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setPixmap(ResourceIcon(ToQString(c.text).toInt()).pixmap(32, 32));
  return label;
}

QWidget* MakeEdit(const ControlTemplate& c, QWidget* parent) {
  auto* edit = new QLineEdit(ToQString(c.text), parent);
  edit->setReadOnly(Has(c, res::kReadOnly));
  edit->setFrame(Has(c, res::kBorder));
  if (edit->isReadOnly()) {
    // Read-only edits stand on the dialog's face colour, not on white.
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    edit->setPalette(palette);
  }
  return edit;
}

QWidget* MakeGroupBox(const ControlTemplate& c, QWidget* parent) {
  auto* box = new QGroupBox(ToQString(c.text), parent);
  box->setAlignment(Has(c, res::kCentre) ? Qt::AlignHCenter : Qt::AlignLeft);
  box->setAttribute(Qt::WA_TransparentForMouseEvents);
  return box;
}

QWidget* MakePushButton(const ControlTemplate& c, QWidget* parent) {
  auto* button = new QPushButton(ToQString(c.text), parent);
  button->setDefault(Has(c, res::kDefault));
  return button;
}

QAbstractButton* MakeRadioButton(const ControlTemplate& c, QWidget* parent) {
  if (Has(c, res::kPushLike)) {
    auto* button = new QPushButton(ToQString(c.text), parent);
    button->setCheckable(true);
    button->setAutoDefault(false);
    return button;
  }
  return new QRadioButton(ToQString(c.text), parent);
}

QWidget* MakeBar(const ControlTemplate& c, QWidget* parent) {
  return new BarControl(Has(c, res::kVertical) ? Qt::Vertical : Qt::Horizontal,
                        Has(c, res::kSmooth), parent);
}

// Trackbars and scroll bars start with the platform's range, 0 to 100.
constexpr int kDefaultRangeHigh = 100;

QWidget* MakeSlider(const ControlTemplate& c, QWidget* parent) {
  const bool vertical = Has(c, res::kVertical);
  auto* slider = new TrackbarControl(vertical ? Qt::Vertical : Qt::Horizontal, parent);
  slider->setRange(0, kDefaultRangeHigh);
  // Upright trackbars have their minimum at the top.
  slider->setInvertedAppearance(vertical);
  if (Has(c, res::kAutoTicks)) {
    slider->setTickPosition(vertical ? QSlider::TicksRight : QSlider::TicksBelow);
    slider->setTickInterval(1);
  }
  return slider;
}

QWidget* MakeScrollBar(const ControlTemplate&, QWidget* parent) {
  auto* bar = new ScrollBarControl(Qt::Horizontal, parent);
  bar->setRange(0, kDefaultRangeHigh);
  return bar;
}

// Tab reaches the tab stops, in template order (the order of creation);
// other controls take the focus only from a click.
void SetFocusPolicy(const ControlTemplate& c, QWidget& widget) {
  if (Has(c, res::kTabStop)) {
    widget.setFocusPolicy(Qt::StrongFocus);
  } else {
    widget.setFocusPolicy((widget.focusPolicy() & Qt::ClickFocus) ? Qt::ClickFocus : Qt::NoFocus);
  }
}

}  // namespace

DialogUnits UnitsOf(const QWidget& dialog) {
  return DialogUnits::FromFont(dialog.font());
}

DialogControls BuildDialog(const res::DialogTemplate& t, QDialog& dialog) {
  dialog.setWindowTitle(ToQString(t.caption));
  dialog.setWindowFlags(WindowFlagsFor(t.style));
  dialog.setFont(DialogFont(t.fontFace, t.fontPoints));
  const DialogUnits units = UnitsOf(dialog);
  dialog.setFixedSize(units.X(t.w), units.Y(t.h));

  DialogControls controls;
  QButtonGroup* group = nullptr;
  std::vector<QWidget*> frames;
  for (const ControlTemplate& c : t.controls) {
    // A control that starts a group ends the radio group before it.
    if (Has(c, res::kGroup)) group = nullptr;
    QWidget* widget = nullptr;
    switch (c.kind) {
      case ControlKind::kStatic:
        widget = MakeStatic(c, &dialog);
        break;
      case ControlKind::kIcon:
        widget = MakeIcon(c, &dialog);
        break;
      case ControlKind::kEdit:
        widget = MakeEdit(c, &dialog);
        break;
      case ControlKind::kGroupBox:
        widget = MakeGroupBox(c, &dialog);
        frames.push_back(widget);
        break;
      case ControlKind::kPushButton:
        widget = MakePushButton(c, &dialog);
        break;
      case ControlKind::kRadioButton: {
        QAbstractButton* button = MakeRadioButton(c, &dialog);
        if (!group) {
          group = new QButtonGroup(&dialog);
          controls.AddRadioGroup(c.id, group);
        }
        group->addButton(button, static_cast<int>(group->buttons().size()));
        widget = button;
        break;
      }
      case ControlKind::kProgressBar:
        widget = MakeBar(c, &dialog);
        break;
      case ControlKind::kSlider:
        widget = MakeSlider(c, &dialog);
        break;
      case ControlKind::kScrollBar:
        widget = MakeScrollBar(c, &dialog);
        break;
    }
    QRect place = units.Rect(c.x, c.y, c.w, c.h);
    if (c.kind == ControlKind::kIcon) place.setSize(QSize(32, 32));
    widget->setGeometry(place);
    SetFocusPolicy(c, *widget);
    if (Has(c, res::kHidden)) widget->setHidden(true);
    if (Has(c, res::kDisabled)) widget->setEnabled(false);
    if (c.id != res::kNoId) controls.Add(c.id, widget);
  }
  // Frames stay behind the controls they frame, whatever their template order.
  for (QWidget* frame : frames) frame->lower();
  return controls;
}

}  // namespace quoril
