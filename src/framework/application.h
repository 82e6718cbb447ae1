// TApplication: the GUI application. It owns its forms, keeps the list of every form in
// creation order, knows the main form (the first one created), its title and icon,
// runs the message loop and shows errors.
// One instance per process, reached through Application().
#pragma once
#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "framework/component.h"

class TForm;

// A key press that is the shortcut of a menu item of the form whose window (or one of
// its controls) has it, main menu first, then the form's PopupMenu: the item's Click
// runs and the message is used up (true). The application's message loops call this
// before translating a message.
bool IsMenuShortCut(const MSG& msg);

class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;

  const char* ClassName() const override { return "TApplication"; }

  // Loads the common controls; call once before creating forms.
  void Initialize();

  std::string Title;
  HICON Icon = nullptr;  // borrowed (a resource icon)
  bool MainFormOnTaskBar = true;
  // When false, Run does not show the main form (and a running application no longer
  // shows it either).
  bool ShowMainForm = true;

  // Creates a form owned by the application (extra arguments go to its constructor), makes the first one the main form and
  // runs its creation step; an exception there is shown (ShowException).
  template <class T, class... Args>
  T* CreateForm(Args&&... args) {
    T* form = new T(this, std::forward<Args>(args)...);
    if (!mainForm_) mainForm_ = form;
    try {
      form->DoCreate();
    } catch (const std::exception& e) {
      ShowException(e.what());
    }
    return form;
  }

  TForm* MainForm() const { return mainForm_; }
  // Every form that exists (also ones not owned by the application), in creation order.
  const std::vector<TForm*>& Forms() const { return forms_; }
  int FormCount() const { return static_cast<int>(forms_.size()); }
  // The first form in that order whose window is this one, or null.
  TForm* FindForm(HWND window) const;

  // Shows the main form (when ShowMainForm) and handles messages until Terminate. When
  // the main form cannot be shown, the error is shown and Run ends with ExitCode 1.
  void Run();
  int ExitCode() const { return exitCode_; }
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Handles the messages waiting in the queue.
  void ProcessMessages();
  // A message box with the application's title over the main form.
  int ShowMessageBox(const std::string& text, UINT flags);
  // Shows an error: through OnException when set, else in a message box; when no
  // message box can be shown (no display), on standard error when there is one.
  void ShowException(const std::string& text);
  std::function<void(const std::string& text)> OnException;

 private:
  friend class TForm;
  void AddForm(TForm* form);
  void RemoveForm(TForm* form);

  TForm* mainForm_ = nullptr;
  std::vector<TForm*> forms_;
  bool terminated_ = false;
  int exitCode_ = 0;
};

// The application of this process, or null when none exists.
TApplication* Application();

// Writes text and a line end to standard error when the process has one (a GUI program
// started from a console or a test); for errors that no message box could show.
void WriteErrorLine(const std::string& text);
