#include "antenna/CChartWnd.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include "res/qt/ChartCanvas.h"
#include "antenna/ChartFrame.h"
#include "app/Settings.h"
#include "res/qt/Resources.h"

namespace quoril {

CChartWnd::CChartWnd(CAdapter& adapter, const Profile& profile)
    : m_adapter(adapter),
      m_profile(profile),
      m_fontLabel(ChartLabelFont()),
      m_timer(new QTimer(this)) {
  const AntennaTestSettings settings = ReadChartSettings(profile);
  m_options.width = settings.width;
  m_options.resolution = settings.resolution;
  m_options.colour = settings.colour;
  connect(m_timer, &QTimer::timeout, this, [this] { OnTimer(kChartTimerId); });
}

CChartWnd::~CChartWnd() = default;

bool CChartWnd::Create(const QRect& rect, QWidget* parent) {
  setParent(parent);
  setGeometry(rect);
  // The chart only shows; the dialog's controls take the input.
  setEnabled(false);
  setFocusPolicy(Qt::NoFocus);
  setCursor(BlankCursor());
  setAttribute(Qt::WA_OpaquePaintEvent);
  m_image = QImage(rect.size(), QImage::Format_RGB32);
  m_image.fill(Qt::white);
  m_sweep = MakeChartSweep({0, 0, rect.width(), rect.height()});
  OnCreate();
  show();
  return true;
}

void CChartWnd::OnCreate() {
  SetSpeed(ReadChartSettings(m_profile).speed);
}

void CChartWnd::SetSpeed(int speed) {
  m_timer->stop();
  m_timer->start(quoril::SweepPeriodMs(speed));
}

void CChartWnd::SetResolution(int n) {
  if (m_options.SetResolution(n)) Invalidate();
}

void CChartWnd::SetWidth(int n) {
  if (m_options.SetWidth(n)) Invalidate();
}

void CChartWnd::Invalidate() {
  m_bRepaintPending = true;
  if (!isVisible()) return;
  PaintChart();
  update();
}

void CChartWnd::PaintChart() {
  m_bRepaintPending = false;
  ChartCanvas canvas(m_image, m_fontLabel);
  const DrawList ops = RunChartPaint(m_adapter, m_sweep, {0, 0, m_image.width(), m_image.height()},
                                     canvas.Extent(kChartXTitle));
  canvas.Draw(ops);
}

void CChartWnd::OnTimer(int id) {
  if (id != kChartTimerId) return;
  const SweepStep step = RunSweepStep(m_adapter, m_sweep);
  ChartCanvas(m_image, m_fontLabel).Draw(step.ops);
  update();
}

void CChartWnd::paintEvent(QPaintEvent* event) {
  if (m_bRepaintPending) PaintChart();
  QPainter painter(this);
  painter.drawImage(event->rect(), m_image, event->rect());
}

}  // namespace quoril
