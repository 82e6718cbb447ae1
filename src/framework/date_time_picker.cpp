// TDateTimePicker (see date_time_picker.h).
#include "framework/date_time_picker.h"

#include <commctrl.h>

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner) {
  color_ = SystemColour(COLOR_WINDOW);
  SetBounds(0, 0, 186, 21);
}

void TDateTimePicker::DefineProperties(TPropList& list) const {
  TWinControl::DefineProperties(list);
  list.Enumeration<TDateTimePicker>("Kind", {"dtkDate", "dtkTime"},
                                    [](TDateTimePicker& p) -> int64_t { return p.Kind; },
                                    [](TDateTimePicker& p, int64_t v) { p.Kind = v ? dtkTime : dtkDate; });
  list.Enumeration<TDateTimePicker>("DateFormat", {"dfShort", "dfLong"},
                                    [](TDateTimePicker& p) -> int64_t { return p.DateFormat; },
                                    [](TDateTimePicker& p, int64_t v) { p.DateFormat = v ? dfLong : dfShort; });
}

SYSTEMTIME TDateTimePicker::DateTime() {
  if (HandleAllocated()) {
    SYSTEMTIME now{};
    if (SendMessageW(Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&now)) == GDT_VALID) {
      value_ = now;
      valueSet_ = true;
    }
  }
  if (!valueSet_) GetLocalTime(&value_);
  return value_;
}

void TDateTimePicker::SetDateTime(const SYSTEMTIME& value) {
  value_ = value;
  valueSet_ = true;
  if (HandleAllocated()) SendMessageW(Handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value_));
}

void TDateTimePicker::CreateParams(TCreateParams& params) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_DATE_CLASSES};
  InitCommonControlsEx(&icc);
  TWinControl::CreateParams(params);
  params.BaseClassName = DATETIMEPICK_CLASSW;
  params.Style |= WS_TABSTOP;
  params.Style |= Kind == dtkTime ? DTS_TIMEFORMAT : (DateFormat == dfLong ? DTS_LONGDATEFORMAT : DTS_SHORTDATEFORMAT);
  if (RightToLeft) params.ExStyle |= WS_EX_LEFTSCROLLBAR | WS_EX_RIGHT | WS_EX_RTLREADING;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TDateTimePicker::HandleCreated() {
  if (valueSet_) SendMessageW(Handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value_));
}
