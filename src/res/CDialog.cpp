#include "res/CDialog.h"

#include <cstdio>
#include <stdexcept>
#include <string>

#include "res/RadioGroup.h"

namespace quoril {

namespace {

const res::DialogTemplate& TemplateOf(int templateId) {
  const res::DialogTemplate* found = res::FindDialogTemplate(templateId);
  if (!found) throw std::logic_error("no dialog template " + std::to_string(templateId));
  return *found;
}

}  // namespace

// --- Control handles --------------------------------------------------------

DialogPeer* CControl::Peer() const {
  return owner_ ? owner_->Peer() : nullptr;
}

void CControl::EnableWindow(bool enable) {
  if (DialogPeer* peer = Peer()) peer->EnableItem(id_, enable);
}

void CProgressCtrl::SetRange(int low, int high) {
  if (DialogPeer* peer = Peer()) peer->SetBarRange(Id(), low, high);
}

void CProgressCtrl::SetStep(int step) {
  if (DialogPeer* peer = Peer()) peer->SetBarStep(Id(), step);
}

void CProgressCtrl::SetPos(int position) {
  if (DialogPeer* peer = Peer()) peer->SetBarPos(Id(), position);
}

void CProgressCtrl::SetBarColor(Rgb colour) {
  if (DialogPeer* peer = Peer()) peer->SetBarColor(Id(), colour);
}

void CProgressCtrl::SetBkColor(Rgb colour) {
  if (DialogPeer* peer = Peer()) peer->SetBarBackground(Id(), colour);
}

void CSliderCtrl::SetRange(int low, int high, bool redraw) {
  if (DialogPeer* peer = Peer()) peer->SetSliderRange(Id(), low, high, redraw);
}

void CSliderCtrl::SetTicFreq(int every) {
  if (DialogPeer* peer = Peer()) peer->SetSliderTicks(Id(), every);
}

void CSliderCtrl::SetPos(int position, bool redraw) {
  if (DialogPeer* peer = Peer()) peer->SetSliderPos(Id(), position, redraw);
}

int CSliderCtrl::GetPos() const {
  const DialogPeer* peer = Peer();
  return peer ? peer->SliderPos(Id()) : 0;
}

void CScrollBar::SetScrollRange(int low, int high, bool redraw) {
  if (DialogPeer* peer = Peer()) peer->SetScrollRange(Id(), low, high, redraw);
}

void CScrollBar::SetScrollPos(int position, bool redraw) {
  if (DialogPeer* peer = Peer()) peer->SetScrollPos(Id(), position, redraw);
}

int CScrollBar::GetScrollPos() const {
  const DialogPeer* peer = Peer();
  return peer ? peer->ScrollPos(Id()) : 0;
}

// --- The dialog -------------------------------------------------------------

CDialog::CDialog(int templateId, WindowSystem& windows)
    : m_template(TemplateOf(templateId)), m_windows(windows) {}

CDialog::~CDialog() = default;

int CDialog::DoModal() {
  return m_windows.RunModal(m_template, *this);
}

void CDialog::EndDialog(int result) {
  if (m_pPeer) m_pPeer->EndModal(result);
}

bool CDialog::UpdateData(bool saveAndValidate) {
  CDataExchange dx(*this, saveAndValidate);
  DoDataExchange(dx);
  return !dx.Failed();
}

void CDialog::SetDlgItemText(int id, std::string_view text) {
  if (m_pPeer) m_pPeer->SetItemText(id, text);
}

std::string CDialog::GetDlgItemText(int id) const {
  return m_pPeer ? m_pPeer->ItemText(id) : std::string();
}

void CDialog::EnableItem(int id, bool enable) {
  if (m_pPeer) m_pPeer->EnableItem(id, enable);
}

void CDialog::CheckDlgButton(int id, bool checked) {
  if (m_pPeer) m_pPeer->SetCheck(id, checked);
}

bool CDialog::IsDlgButtonChecked(int id) const {
  return m_pPeer && m_pPeer->IsChecked(id);
}

int CDialog::SetTimer(int timerId, int periodMs) {
  if (m_pPeer) m_pPeer->SetTimer(timerId, periodMs);
  return timerId;
}

void CDialog::KillTimer(int timerId) {
  if (m_pPeer) m_pPeer->KillTimer(timerId);
}

BoxAnswer CDialog::MessageBox(std::string_view text, std::string_view caption, BoxButtons buttons,
                              BoxIcon icon) {
  return m_windows.Show(caption, text, buttons, icon);
}

// --- Events -----------------------------------------------------------------

void CDialog::OnAttach(DialogPeer* peer) {
  m_pPeer = peer;
}

bool CDialog::OnInitDialog() {
  UpdateData(false);
  return true;
}

void CDialog::OnCommand(int id) {
  if (id == IDOK) OnOK();
  if (id == IDCANCEL) OnCancel();
}

void CDialog::OnTimer(int) {}
void CDialog::OnHScroll(int, ScrollCode, int) {}
void CDialog::OnVScroll(int, ScrollCode, int) {}
void CDialog::OnSysCommand(unsigned) {}

void CDialog::DoDataExchange(CDataExchange&) {}

void CDialog::OnOK() {
  if (UpdateData(true)) EndDialog(IDOK);
}

void CDialog::OnCancel() {
  EndDialog(IDCANCEL);
}

// --- Data exchange ----------------------------------------------------------

void CDialog::DDX_Control(CDataExchange& dx, int id, CControl& control) {
  if (dx.Failed()) return;
  control.Bind(*this, id);
}

void CDialog::DDX_Radio(CDataExchange& dx, int firstId, int& value) {
  if (dx.Failed() || !m_pPeer) return;
  const std::vector<int> group = res::RadioGroupOf(m_template, firstId);
  if (dx.m_bSaveAndValidate) value = -1;
  for (std::size_t index = 0; index < group.size(); ++index) {
    const int button = group[index];
    if (dx.m_bSaveAndValidate) {
      if (m_pPeer->IsChecked(button)) value = static_cast<int>(index);
    } else {
      m_pPeer->SetCheck(button, static_cast<int>(index) == value);
    }
  }
}

void CDialog::DDX_Scroll(CDataExchange& dx, int id, int& value) {
  if (dx.Failed() || !m_pPeer) return;
  if (dx.m_bSaveAndValidate) {
    value = m_pPeer->ScrollPos(id);
  } else {
    m_pPeer->SetScrollPos(id, value, true);
  }
}

void CDialog::DDV_MinMaxInt(CDataExchange& dx, int value, int low, int high) {
  if (dx.Failed() || !dx.m_bSaveAndValidate || (value >= low && value <= high)) return;
  char text[80];
  std::snprintf(text, sizeof text, "Please enter an integer between %d and %d.", low, high);
  MessageBox(text, {}, BoxButtons::kOk, BoxIcon::kExclamation);
  dx.Fail();
}

}  // namespace quoril
