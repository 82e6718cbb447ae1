// TWinSkinForm: the menu notifications of a skinned framework form's message method
// (see win_skin_form.h): a changed main menu rebuilds the bar; Alt and a character open
// the bar button it is the accelerator of, else the key goes to the MDI frame or main
// form.
#include "framework/application.h"
#include "framework/form.h"
#include "skin/forms/win_skin_form.h"
#include "skin/forms/win_skin_menu.h"

bool TWinSkinForm::HandleFormMenuMessage(TMessage& m) {
  if (!menus_ || !skin_) return false;
  switch (m.Msg) {
    case CM_MENUCHANGED:
      formHandler_.CallPrevious(m);
      if (menus_->HasBar() && state_ == wsRunning) {
        menus_->Build(*skin_);
        PaintFrame();
      }
      return true;
    case CM_DIALOGCHAR: {
      formHandler_.CallPrevious(m);
      if (m.Result) return true;
      if (menus_->HasBar() && menus_->HandleDialogChar(static_cast<wchar_t>(m.WParam))) {
        m.Result = 1;
        return true;
      }
      // An MDI child passes the key to its frame; another form to the main form.
      TApplication* app = Application();
      TForm* other = nullptr;
      if (facts_.windowKind == wkMdiChild && form_) {
        other = form_->MDIFrame ? form_->MDIFrame : (app ? app->MainForm() : nullptr);
        if (other && other != form_) {
          const LRESULT answer = other->Perform(CM_DIALOGCHAR, m.WParam, m.LParam);
          if (answer) {
            m.Result = answer;
            return true;
          }
        }
      } else if (app && app->MainForm() && app->MainForm() != form_) {
        app->MainForm()->Perform(CM_DIALOGCHAR, m.WParam, m.LParam);
      }
      m.Result = 0;
      return true;
    }
    default:
      return false;
  }
}
