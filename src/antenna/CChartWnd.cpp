#include "antenna/CChartWnd.h"

#include "antenna/ChartFrame.h"
#include "app/Settings.h"
#include "res/DialogPeer.h"

namespace quoril {

CChartWnd::CChartWnd(CAdapter& adapter, const Profile& profile)
    : m_adapter(adapter), m_profile(profile) {
  const AntennaTestSettings settings = ReadChartSettings(profile);
  m_options.width = settings.width;
  m_options.resolution = settings.resolution;
  m_options.colour = settings.colour;
}

CChartWnd::~CChartWnd() = default;

bool CChartWnd::Create(const PixelRect& rect, DialogPeer& parent) {
  m_surface = parent.CreateChart(rect, *this);
  m_sweep = MakeChartSweep(m_surface->ClientRect());
  OnCreate();
  return true;
}

void CChartWnd::Destroy() {
  m_surface.reset();
}

void CChartWnd::OnCreate() {
  SetSpeed(ReadChartSettings(m_profile).speed);
}

void CChartWnd::SetSpeed(int speed) {
  if (!m_surface) return;
  m_surface->KillTimer(kChartTimerId);
  m_surface->SetTimer(kChartTimerId, SweepPeriodMs(speed));
}

void CChartWnd::SetResolution(int n) {
  if (m_options.SetResolution(n)) Invalidate();
}

void CChartWnd::SetWidth(int n) {
  if (m_options.SetWidth(n)) Invalidate();
}

void CChartWnd::Invalidate() {
  if (m_surface) m_surface->Invalidate();
}

void CChartWnd::OnPaint() {
  const DrawList ops =
      RunChartPaint(m_adapter, m_sweep, m_surface->ClientRect(), m_surface->Extent(kChartXTitle));
  m_surface->Draw(ops);
}

void CChartWnd::OnTimer(int id) {
  if (id != kChartTimerId) return;
  const SweepStep step = RunSweepStep(m_adapter, m_sweep);
  m_surface->Draw(step.ops);
}

}  // namespace quoril
