// The preview window's menus (see preview_menus.h).
#include "preview_menus.h"

#include "framework/form.h"
#include "framework/menus.h"

void AddPreviewMenus(TForm& form, bool rightToLeft) {
  auto* menu = new TMainMenu(&form);
  menu->Name = "MainMenu1";
  menu->RightToLeft = rightToLeft;
  TMenuItem& bar = menu->Items();
  TMenuItem* file = bar.Add("&File");
  file->Add("&New", scCtrl | 'N')->SetImageIndex(0);
  file->Add("&Open...", scCtrl | 'O')->SetImageIndex(1);
  file->Add("&Save", scCtrl | 'S');
  file->Add("-");
  TMenuItem* recent = file->Add("&Recent files");
  recent->Add("one.txt");
  recent->Add("two.txt");
  file->Add("-");
  file->Add("E&xit", scAlt | VK_F4, [&form](TMenuItem&) { PostMessageW(form.Handle(), WM_CLOSE, 0, 0); })->SetImageIndex(3);
  TMenuItem* edit = bar.Add("&Edit");
  edit->Add("&Undo", scCtrl | 'Z')->SetEnabled(false);
  edit->Add("-");
  edit->Add("Cu&t", scCtrl | 'X');
  edit->Add("&Copy", scCtrl | 'C');
  edit->Add("&Paste", scCtrl | 'V');
  TMenuItem* view = bar.Add("&View");
  TMenuItem* toolbar = view->Add("&Tool bar");
  toolbar->AutoCheck = true;
  toolbar->SetChecked(true);
  view->Add("-");
  for (const char* size : {"&Small", "&Medium", "&Large"}) {
    TMenuItem* item = view->Add(size);
    item->SetRadioItem(true);
    item->AutoCheck = true;
  }
  view->Items(3)->SetChecked(true);
  TMenuItem* help = bar.Add("&Help");
  help->Add("&About the preview", VK_F1, [&form](TMenuItem&) {
        MessageBoxW(form.Handle(), L"quillskin preview: a window skinned by the skin engine.",
                    L"quillskin preview", MB_OK);
      })->SetDefault(true);
  form.SetMainMenu(menu);

  auto* popup = new TPopupMenu(&form);
  popup->Name = "PopupMenu1";
  popup->RightToLeft = rightToLeft;
  popup->Items().Add("&Refresh", VK_F5);
  popup->Items().Add("-");
  popup->Items().Add("&Properties", scAlt | VK_RETURN);
  form.PopupMenu = popup;
}
