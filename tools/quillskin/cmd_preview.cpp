// quillskin preview: opens a framework form skinned by a skin file (Windows build), so a
// skin author sees the skin at work and tests can read its geometry and pixels.
#include <cstdlib>
#include <string>
#include <vector>

#include "command.h"
#include "framework/application.h"
#include "framework/file_system.h"
#include "framework/wide.h"
#include "preview_form.h"
#include "skin/data/skin_data.h"
#include "skin/forms/control_assignment.h"
#include "skin/forms/skin_manager.h"
#include "tool_args.h"

namespace {

const char kHelp[] =
    "Usage: quillskin preview [SKIN.skn] [options]\n"
    "\n"
    "Opens a window skinned by the skin (default: classic.skn beside quillskin.exe), with a\n"
    "caption, an icon and the controls the skin engine can skin so far. Once the window\n"
    "is skinned and painted, one line of JSON goes to standard output: the window, client\n"
    "area, frame widths, menu-bar height, region (\"none\" or \"shaped\"), caption text\n"
    "rectangle, caption buttons (action, visible, rectangle) and controls, every\n"
    "rectangle in screen coordinates with right and bottom exclusive.\n"
    "\n"
    "Options:\n"
    "  --at X,Y            top-left corner of the window on screen (default 40,40)\n"
    "  --client WxH        client size (default 960x600)\n"
    "  --caption TEXT      window caption\n"
    "  --border KIND       sizeable (default), single, dialog or none\n"
    "  --no-menu           no main menu\n"
    "  --rtl               a right-to-left window\n"
    "  --state STATE       normal (default), maximized or minimized\n"
    "  --inactive          another window of the preview takes the focus\n"
    "  --mdi               the form is an MDI frame with two MDI child forms\n"
    "  --message TEXT      open a standard message box with TEXT once shown (the JSON line\n"
    "                      and the capture then describe the message box)\n"
    "  --capture FILE.bmp  once skinned and painted, write the window as the screen shows\n"
    "                      it (24-bit BMP of the window rectangle) and exit 0\n"
    "  --exit-after MS     close after MS milliseconds (never before the JSON line)\n"
    "  --open-menu N       once shown, open the N-th menu of the menu bar (with --capture:\n"
    "                      the capture shows it open)\n"
    "\n"
    "Closing the window exits 0. A skin that does not load: its message on stderr, exit 1.\n"
    "Needs the Windows build (quillskin.exe).\n";

bool ParsePair(const std::string& text, char separator, long& a, long& b) {
  const size_t at = text.find(separator);
  if (at == std::string::npos) return false;
  char* end = nullptr;
  a = std::strtol(text.c_str(), &end, 10);
  if (end != text.c_str() + at) return false;
  const char* second = text.c_str() + at + 1;
  b = std::strtol(second, &end, 10);
  return end != second && *end == 0;
}

std::string DefaultSkin() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  folder.resize(folder.find_last_of(L"\\/") + 1);
  return Narrow(folder) + "classic.skn";
}

PreviewOptions ParseOptions(const std::vector<std::string>& args) {
  ToolArgs a = ParseToolArgs("preview", args,
                             {"--at", "--client", "--caption", "--border", "--state", "--message",
                              "--capture", "--exit-after", "--open-menu"},
                             {"--no-menu", "--rtl", "--inactive", "--mdi"}, {}, 0, 1);
  PreviewOptions o;
  o.skinFile = a.positional.empty() ? DefaultSkin() : a.positional[0];
  auto bad = [](const std::string& what) {
    throw std::runtime_error("bad value for " + what + "; see `quillskin preview --help`");
  };
  if (a.values.count("--at")) {
    long x = 0, y = 0;
    if (!ParsePair(a.values["--at"], ',', x, y)) bad("--at");
    o.at = POINT{x, y};
  }
  if (a.values.count("--client")) {
    long w = 0, h = 0;
    if (!ParsePair(a.values["--client"], 'x', w, h) || w < 0 || h < 0 || w > 8000 || h > 8000) bad("--client");
    o.client = SIZE{w, h};
  }
  if (a.values.count("--caption")) o.caption = a.values["--caption"];
  if (a.values.count("--border")) {
    const std::string& b = a.values["--border"];
    if (b == "sizeable") o.border = bsSizeable;
    else if (b == "single") o.border = bsSingle;
    else if (b == "dialog") o.border = bsDialog;
    else if (b == "none") o.border = bsNone;
    else bad("--border");
  }
  if (a.values.count("--state")) {
    const std::string& s = a.values["--state"];
    if (s == "normal") o.state = 0;
    else if (s == "maximized") o.state = 1;
    else if (s == "minimized") o.state = 2;
    else bad("--state");
  }
  if (a.values.count("--message")) o.message = a.values["--message"];
  if (a.values.count("--capture")) o.capture = a.values["--capture"];
  if (a.values.count("--exit-after")) {
    char* end = nullptr;
    const std::string& text = a.values["--exit-after"];
    const long ms = std::strtol(text.c_str(), &end, 10);
    if (end == text.c_str() || *end || ms < 0) bad("--exit-after");
    o.exitAfterMs = static_cast<int>(ms);
  }
  if (a.values.count("--open-menu")) {
    char* end = nullptr;
    const std::string& text = a.values["--open-menu"];
    const long n = std::strtol(text.c_str(), &end, 10);
    if (end == text.c_str() || *end || n < 1 || n > 100) bad("--open-menu");
    o.openMenu = static_cast<int>(n);
  }
  o.noMenu = a.flags.count("--no-menu") > 0;
  o.rightToLeft = a.flags.count("--rtl") > 0;
  o.inactive = a.flags.count("--inactive") > 0;
  o.mdi = a.flags.count("--mdi") > 0;
  return o;
}

int RunPreview(const std::vector<std::string>& args, ToolOutput& io) {
  const PreviewOptions options = ParseOptions(args);
  if (!fsys::FileExists(options.skinFile)) {
    io.Err("Cannot open the skin file " + options.skinFile + "\n");
    return 1;
  }
  InstallSkinManager();
  InstallControlAssignment();
  int status = 0;
  {
    TApplication app;
    app.Initialize();
    app.Title = "quillskin preview";
    auto* form = app.CreateForm<TPreviewForm>(options, [&io](const std::string& line) { io.Out(line); });
    auto* skin = new TSkinData(form);
    skin->Name = "PreviewSkin";
    std::string refused;
    skin->ShowMessage = [&refused](const std::string& text) { refused = text; };
    skin->OnSkinControl = [form](TComponent*, TSkinData*, TComponent*, TComponent* control,
                                 const std::string&, TSkinControl*& slot) { form->ChooseWrapper(control, slot); };
    skin->Loaded();
    skin->SetSkinFile(options.skinFile);
    if (skin->SkinEmpty()) {
      io.Err((refused.empty() ? "The skin file " + options.skinFile + " was not loaded" : refused) + "\n");
      status = 1;
    } else {
      skin->SetActive(true);
      TForm* focus = nullptr;
      if (options.inactive) {
        focus = app.CreateForm<TForm>();
        focus->Name = "PreviewFocus";
        focus->SetCaption("Focus");
        focus->SetBounds(options.at.x + 60, options.at.y + options.client.cy + 80, 200, 120);
      }
      form->Show();
      for (int i = 0; options.mdi && i < 2; ++i) {
        auto* child = app.CreateForm<TForm>();
        child->Name = "PreviewChild" + std::to_string(i + 1);
        child->FormStyle = fsMDIChild;
        child->MDIFrame = form;
        child->SetCaption("MDI child " + std::to_string(i + 1));
        child->SetBounds(16 + 40 * i, 16 + 40 * i, 260, 180);
        child->Show();
      }
      if (options.state == 1) ShowWindow(form->Handle(), SW_MAXIMIZE);
      if (options.state == 2) ShowWindow(form->Handle(), SW_MINIMIZE);
      if (focus) focus->Show();
      app.Run();
      status = form->Failed ? 1 : 0;
      // The loop ends on the application's flag; the quit message it posted must not
      // end a later message loop of this thread.
      MSG quit;
      while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
      }
    }
  }
  DestroySkinManager();
  SetSkinManagerFactory(nullptr);
  return status;
}

}  // namespace

extern const Command kCommandPreview = {"preview", "open a window skinned by a skin (Windows)",
                                        kHelp, &RunPreview};
