// Date-time pickers on the system "SysDateTimePick32" class (superclassed): a date (with
// a drop-down month calendar) or a time of day, edited field by field.
#pragma once
#include "framework/win_control.h"

enum TDateTimeKind { dtkDate, dtkTime };
enum TDateFormat { dfShort, dfLong };

class TDateTimePicker : public TWinControl {
 public:
  explicit TDateTimePicker(TComponent* owner);
  const char* ClassName() const override { return "TDateTimePicker"; }
  void DefineProperties(TPropList& list) const override;

  // The value shown (the window's when it exists).
  SYSTEMTIME DateTime();
  void SetDateTime(const SYSTEMTIME& value);
  TDateTimeKind Kind = dtkDate;        // read when the window is made
  TDateFormat DateFormat = dfShort;    // read when the window is made
  bool RightToLeft = false;            // drop-down button at the left; read when made

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;

 private:
  SYSTEMTIME value_{};
  bool valueSet_ = false;
};
