#include "res/qt/QtDialogPeer.h"

#include <QAbstractButton>
#include <QAction>
#include <QEventLoop>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>

#include "res/DialogEvents.h"
#include "res/qt/BarControl.h"
#include "res/qt/DialogBuilder.h"
#include "res/qt/DialogWindow.h"
#include "res/qt/PeriodicTimers.h"
#include "res/qt/QtChartSurface.h"
#include "res/qt/QtText.h"
#include "res/qt/Resources.h"
#include "res/qt/ScrollBarControl.h"
#include "res/qt/TrackbarControl.h"

namespace quoril {

namespace {

// The window with its frame, as the screen shows it; null where the
// platform draws no frame or cannot read the screen back.
QPixmap GrabWithFrame(const QWidget& window) {
  const QRect frame = window.frameGeometry();
  QScreen* screen = window.screen();
  if (!screen || !window.isActiveWindow() || frame == window.geometry()) return {};
  const QPoint at = frame.topLeft() - screen->geometry().topLeft();
  return screen->grabWindow(0, at.x(), at.y(), frame.width(), frame.height());
}

}  // namespace

template <class Call>
void QtDialogPeer::Deliver(Call call) {
  if (!ended_) call();
}

QtDialogPeer::QtDialogPeer(const res::DialogTemplate& dialogTemplate, DialogEvents& events)
    : events_(events),
      window_(std::make_unique<DialogWindow>(
          [this](int command) { Deliver([&] { events_.OnCommand(command); }); })),
      controls_(BuildDialog(dialogTemplate, *window_)),
      timers_(new PeriodicTimers([this](int id) { Deliver([&] { events_.OnTimer(id); }); },
                                 window_.get())) {
  ConnectControls();
  for (const res::ControlTemplate& c : dialogTemplate.controls) {
    if (c.kind == res::ControlKind::kPushButton && (c.style & res::kDefault)) {
      window_->SetDefaultButton(Item<QPushButton>(c.id));
    }
  }
}

QtDialogPeer::~QtDialogPeer() = default;

QWidget& QtDialogPeer::Window() const {
  return *window_;
}

void QtDialogPeer::ConnectControls() {
  for (const auto& [id, widget] : controls_.Items()) {
    if (qobject_cast<QAbstractButton*>(widget)) {
      ConnectButton(id);
    } else if (auto* bar = qobject_cast<ScrollBarControl*>(widget)) {
      ConnectScroll(id, bar);
    } else if (auto* trackbar = qobject_cast<TrackbarControl*>(widget)) {
      ConnectScroll(id, trackbar);
    }
  }
}

// Upright bars scroll vertically, the others horizontally.
template <class Control>
void QtDialogPeer::ConnectScroll(int id, Control* control) {
  QObject::connect(control, &Control::scrolled, window_.get(),
                   [this, id, control](ScrollCode code, int thumb) {
                     Deliver([&] {
                       if (control->orientation() == Qt::Horizontal) {
                         events_.OnHScroll(id, code, thumb);
                       } else {
                         events_.OnVScroll(id, code, thumb);
                       }
                     });
                   });
}

void QtDialogPeer::ConnectButton(int id) {
  auto* button = Item<QAbstractButton>(id);
  QObject::connect(button, &QAbstractButton::clicked, window_.get(), [this, id, button] {
    if (button->group()) CheckAlone(id);
    Deliver([&] { events_.OnCommand(id); });
  });
}

void QtDialogPeer::CheckAlone(int id) {
  auto* button = Item<QAbstractButton>(id);
  QButtonGroup* group = button->group();
  group->setExclusive(false);
  for (QAbstractButton* other : group->buttons()) other->setChecked(other == button);
  group->setExclusive(true);
}

void QtDialogPeer::RunModal(bool focusFirstTabStop) {
  if (ended_) return;
  if (focusFirstTabStop) FocusFirstTabStop();
  window_->setWindowModality(Qt::ApplicationModal);
  window_->show();
  // Showing paints the chart, which may end the dialog.
  if (ended_) return;
  QEventLoop loop;
  loop_ = &loop;
  loop.exec(QEventLoop::DialogExec);
}

void QtDialogPeer::FocusFirstTabStop() {
  for (QWidget* w = window_->nextInFocusChain(); w != window_.get(); w = w->nextInFocusChain()) {
    if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabledTo(window_.get()) &&
        w->isVisibleTo(window_.get())) {
      w->setFocus(Qt::TabFocusReason);
      return;
    }
  }
}

// --- The window -------------------------------------------------------------

void QtDialogPeer::SetCaption(std::string_view text) {
  window_->setWindowTitle(ToQString(text));
}

void QtDialogPeer::SetIcon(int iconId) {
  window_->setWindowIcon(ResourceIcon(iconId));
}

// No system menu here: the items go to the dialog's context menu.
void QtDialogPeer::AddSystemMenuItem(unsigned command, std::string_view text) {
  auto* separator = new QAction(window_.get());
  separator->setSeparator(true);
  auto* item = new QAction(ToQString(text), window_.get());
  QObject::connect(item, &QAction::triggered, window_.get(),
                   [this, command] { Deliver([&] { events_.OnSysCommand(command); }); });
  window_->addAction(separator);
  window_->addAction(item);
  window_->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void QtDialogPeer::EndModal(int result) {
  ended_ = true;
  result_ = result;
  // The chart's timers are the window's too.
  for (PeriodicTimers* timers : window_->findChildren<PeriodicTimers*>()) timers->KillAll();
  window_->hide();
  if (loop_) loop_->exit();
}

bool QtDialogPeer::Capture(const std::filesystem::path& stem) {
  std::filesystem::path file = stem;
  file += ".png";
  QPixmap picture = GrabWithFrame(*window_);
  if (picture.isNull()) picture = window_->grab();
  return picture.save(QFile::decodeName(file.c_str()), "PNG");
}

// --- Any control ------------------------------------------------------------

void QtDialogPeer::SetItemText(int id, std::string_view text) {
  QWidget* item = controls_.Item(id);
  const QString value = ToQString(text);
  if (auto* label = qobject_cast<QLabel*>(item)) {
    label->setText(value);
  } else if (auto* edit = qobject_cast<QLineEdit*>(item)) {
    edit->setText(value);
    edit->setCursorPosition(0);  // show the start, as an edit box does
  } else if (auto* button = qobject_cast<QAbstractButton*>(item)) {
    button->setText(value);
  } else if (auto* box = qobject_cast<QGroupBox*>(item)) {
    box->setTitle(value);
  } else {
    return;
  }
  item->repaint();
}

std::string QtDialogPeer::ItemText(int id) const {
  QWidget* item = controls_.Item(id);
  QString text;
  if (auto* label = qobject_cast<QLabel*>(item)) {
    text = label->text();
  } else if (auto* edit = qobject_cast<QLineEdit*>(item)) {
    text = edit->text();
  } else if (auto* button = qobject_cast<QAbstractButton*>(item)) {
    text = button->text();
  } else if (auto* box = qobject_cast<QGroupBox*>(item)) {
    text = box->title();
  }
  return text.toStdString();
}

void QtDialogPeer::EnableItem(int id, bool enable) {
  if (QWidget* item = controls_.Item(id)) item->setEnabled(enable);
}

bool QtDialogPeer::IsItemEnabled(int id) const {
  const QWidget* item = controls_.Item(id);
  return item && item->isEnabledTo(window_.get());
}

void QtDialogPeer::ShowItem(int id, bool show) {
  if (QWidget* item = controls_.Item(id)) item->setVisible(show);
}

// The control's own visibility: true for a shown control of a window that
// is not showing yet.
bool QtDialogPeer::IsItemVisible(int id) const {
  const QWidget* item = controls_.Item(id);
  return item && item->isVisibleTo(window_.get());
}

void QtDialogPeer::SetFocus(int id) {
  if (QWidget* item = controls_.Item(id)) item->setFocus(Qt::OtherFocusReason);
}

int QtDialogPeer::FocusedItem() const {
  return controls_.IdOf(window_->focusWidget());
}

PixelRect QtDialogPeer::ItemRect(int id) const {
  const QWidget* item = controls_.Item(id);
  if (!item) return {};
  const QRect r = item->geometry();
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

// --- Buttons ----------------------------------------------------------------

void QtDialogPeer::SetCheck(int id, bool checked) {
  auto* button = Item<QAbstractButton>(id);
  if (!button) return;
  QButtonGroup* group = button->group();
  if (group) group->setExclusive(false);
  button->setChecked(checked);
  if (group) group->setExclusive(true);
}

bool QtDialogPeer::IsChecked(int id) const {
  const auto* button = Item<QAbstractButton>(id);
  return button && button->isChecked();
}

// --- Progress bars ----------------------------------------------------------

void QtDialogPeer::SetBarRange(int id, int low, int high) {
  if (auto* bar = Item<BarControl>(id)) bar->SetRange(low, high);
}

void QtDialogPeer::SetBarStep(int id, int step) {
  if (auto* bar = Item<BarControl>(id)) bar->SetStep(step);
}

void QtDialogPeer::SetBarPos(int id, int position) {
  if (auto* bar = Item<BarControl>(id)) bar->SetPos(position);
}

void QtDialogPeer::SetBarColor(int id, Rgb colour) {
  if (auto* bar = Item<BarControl>(id)) bar->SetBarColor(ColorFromRef(colour));
}

void QtDialogPeer::SetBarBackground(int id, Rgb colour) {
  if (auto* bar = Item<BarControl>(id)) bar->SetBackgroundColor(ColorFromRef(colour));
}

// --- Trackbars --------------------------------------------------------------
// Qt repaints what changed in any case; `redraw` has nothing to add.

void QtDialogPeer::SetSliderRange(int id, int low, int high, bool) {
  if (auto* slider = Item<QSlider>(id)) slider->setRange(low, high);
}

void QtDialogPeer::SetSliderTicks(int id, int every) {
  if (auto* slider = Item<QSlider>(id)) slider->setTickInterval(every);
}

void QtDialogPeer::SetSliderPos(int id, int position, bool) {
  if (auto* slider = Item<QSlider>(id)) slider->setValue(position);
}

int QtDialogPeer::SliderPos(int id) const {
  const auto* slider = Item<QSlider>(id);
  return slider ? slider->value() : 0;
}

// --- Scroll bars ------------------------------------------------------------

void QtDialogPeer::SetScrollRange(int id, int low, int high, bool) {
  if (auto* bar = Item<QScrollBar>(id)) bar->setRange(low, high);
}

void QtDialogPeer::SetScrollPos(int id, int position, bool) {
  if (auto* bar = Item<QScrollBar>(id)) bar->setValue(position);
}

int QtDialogPeer::ScrollPos(int id) const {
  const auto* bar = Item<QScrollBar>(id);
  return bar ? bar->value() : 0;
}

// --- Timers and the chart ---------------------------------------------------

void QtDialogPeer::SetTimer(int timerId, int periodMs) {
  if (!ended_) timers_->Set(timerId, periodMs);
}

void QtDialogPeer::KillTimer(int timerId) {
  timers_->Kill(timerId);
}

std::unique_ptr<ChartSurface> QtDialogPeer::CreateChart(const PixelRect& rect,
                                                        ChartEvents& events) {
  return std::make_unique<QtChartSurface>(*window_, rect, events);
}

}  // namespace quoril
