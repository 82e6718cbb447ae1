// TWinSkinForm: the menu bar following the window's menu (a changed menu, a menu that
// appears or goes after skinning, a new skin), and the menu notifications of a skinned
// framework form's message method (see win_skin_form.h): Alt and a character open the
// bar button it is the accelerator of, else the key goes to the MDI frame or main form.
#include "framework/application.h"
#include "framework/form.h"
#include "skin/data/skin_data.h"
#include "skin/forms/win_skin_form.h"

bool TWinSkinForm::HandleFormMenuMessage(TMessage& m) {
  if (!menus_ || !skin_) return false;
  switch (m.Msg) {
    case CM_MENUCHANGED:
      menuChanging_ = true;
      formHandler_.CallPrevious(m);
      menuChanging_ = false;
      OnMenuChanged();
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

void TWinSkinForm::OnMenuChanged() {
  menuChangePosted_ = false;
  if (!menus_ || !skin_ || !skinFrame_ || state_ == wsCreated || state_ == wsDead) return;
  if (facts_.windowKind == wkMdiChild || facts_.borderKind == bkNoCaption) return;
  // With MenuUpdate off (while MDI children come) a bar stays as built; a menu that
  // appears where there was none is always built, lest it vanish.
  if (menus_->HasBar() && !skin_->MenuUpdate) {
    if (GetMenu(window_)) ::SetMenu(window_, nullptr);
    PaintFrame();
    return;
  }
  RebuildMenuBar();
}

void TWinSkinForm::RebuildMenuBar() {
  if (!menus_ || !skin_ || !skinFrame_ || state_ == wsDead) return;
  if (facts_.windowKind == wkMdiChild || facts_.borderKind == bkNoCaption) return;
  const bool has = menus_->Build(*skin_);
  const int band = has ? GetSystemMetrics(SM_CYMENU) : 0;
  if (band == facts_.menuBarHeight) {
    PaintFrame();
    return;
  }
  // As the system does: the window keeps its size and the client area gives the band
  // or takes it back. The system frame given back at detach has the menu too.
  systemNcSize_.cy += band - facts_.menuBarHeight;
  facts_.menuBarHeight = band;
  SetWindowPos(window_, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}
