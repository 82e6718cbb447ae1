// TSkinData: creation defaults, loading from a file and from the stored stream, bad
// and hostile skin files, the requests it makes of the skin manager, the form-skin
// decision, and the default skin built with the program.
#include "skin/data/skin_data.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "framework/application.h"
#include "framework/file_system.h"
#include "framework/wide.h"
#include "skin/data/quick_ini.h"
#include "skin/data/skin_manager_link.h"
#include "skin/data/skin_reader.h"
#include "test_skins.h"

using testskin::Cells;
using testskin::Solid;
using testskin::TestSkin;

namespace {

constexpr TColor kRed = 0x0000FF, kBlue = 0xFF0000;

// A manager that writes down what the component asks of it.
class RecordingManager : public ISkinManagerLink {
 public:
  void Register(TSkinData&) override { calls.push_back("Register"); }
  void Unregister(TSkinData&) override { calls.push_back("Unregister"); }
  void InstallHook() override { calls.push_back("InstallHook"); }
  void SetRequestingSkinData(TSkinData* skinData) override { requesting = skinData; }
  void Request(unsigned action, unsigned delayMs) override {
    calls.push_back("Request " + std::to_string(action) + " " + std::to_string(delayMs));
  }
  int RunState() const override { return runState; }
  void SetRunState(int state) override {
    runState = state;
    calls.push_back("RunState " + std::to_string(state));
  }
  void SetEnabled(bool value) override { calls.push_back(value ? "Enable" : "Disable"); }
  void ClearCaptionButtons() override { calls.push_back("ClearCaptionButtons"); }
  bool SkinWindow(HWND) override {
    calls.push_back("SkinWindow");
    return true;
  }

  std::vector<std::string> calls;
  int runState = 0;
  TSkinData* requesting = nullptr;
};

class SkinDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    DestroySkinManager();
    SetSkinManagerFactory([this] {
      auto manager = std::make_unique<RecordingManager>();
      manager_ = manager.get();
      return manager;
    });
  }
  void TearDown() override {
    DestroySkinManager();
    SetSkinManagerFactory({});
    for (const std::string& file : files_) fsys::RemoveFile(file);
  }

  // A skin data component whose messages are collected instead of shown.
  std::unique_ptr<TSkinData> Make() {
    auto data = std::make_unique<TSkinData>();
    data->ShowMessage = [this](const std::string& text) { messages_.push_back(text); };
    return data;
  }
  std::string WriteFile(const std::vector<uint8_t>& bytes) {
    std::string name = fsys::CreateTempFile("", "qsk");
    files_.push_back(name);
    TFileStream file(name, FileMode::Create);
    if (!bytes.empty()) file.Write(bytes.data(), bytes.size());
    return name;
  }
  static TestSkin SmallSkin(TColor colour = kRed) {
    TestSkin skin;
    skin.Text("[Personality]\nTop=top.bmp\n[MenuItem]\nImage=item.bmp\n[Colours]\nButtonFace=9 9 9\n")
        .Image("top.bmp", Solid(30, 12, colour))
        .Image("item.bmp", Cells(50, 10, 5, {colour, kBlue}));
    return skin;
  }
  static std::vector<uint8_t> Stored(const std::vector<uint8_t>& file) {
    std::vector<uint8_t> bytes(4);
    const int32_t length = static_cast<int32_t>(file.size());
    memcpy(bytes.data(), &length, 4);
    bytes.insert(bytes.end(), file.begin(), file.end());
    return bytes;
  }

  RecordingManager* manager_ = nullptr;
  std::vector<std::string> messages_;
  std::vector<std::string> files_;
};

TEST_F(SkinDataTest, CreationDefaults) {
  auto d = Make();
  EXPECT_FALSE(d->Active());
  EXPECT_EQ(d->DisableTag, 99);
  EXPECT_EQ(d->SkinControls, 0x1FFFFBu);
  EXPECT_EQ(d->Options, 0x48);
  EXPECT_EQ(d->SkinFormtype, sfMainform);
  EXPECT_EQ(d->Version(), "4.0.03.10");
  EXPECT_EQ(d->SkinStore(), "(none)");
  EXPECT_TRUE(d->MenuUpdate);
  EXPECT_FALSE(d->MenuMerge);
  EXPECT_TRUE(d->SkinEmpty());
  ASSERT_EQ(d->Skin3rd.size(), 116u);
  EXPECT_EQ(d->Skin3rd.front(), "TPngBitBtn=pngbitbtn");
  EXPECT_EQ(d->Skin3rd.back(), "TOVCDBNUMERICFIELD=Edit");
  EXPECT_EQ(FindSkin3rdKind(d->Skin3rd, "trzgroup"), "panel");
  EXPECT_EQ(FindSkin3rdKind(d->Skin3rd, "TRzGroupX"), "");
  EXPECT_TRUE(TSkinData(nullptr, {}).Skin3rd.empty()) << "a program without a class map";
  // The always-present objects exist, empty; no per-skin object does.
  ASSERT_TRUE(d->Objects.Left && d->Objects.Right && d->Objects.Top && d->Objects.Bottom);
  ASSERT_TRUE(d->Objects.Title && d->Objects.Buttons);
  EXPECT_TRUE(d->Objects.Top->Image.Empty());
  EXPECT_FALSE(d->Objects.MenuItem);
  EXPECT_FALSE(d->Objects.Toolbar);
  EXPECT_NE(d->MenuImages(), nullptr);
  EXPECT_EQ(ImageList_GetImageCount(d->MenuImages()), 4);
  EXPECT_EQ(d->FaceBrush(), nullptr);
}

TEST_F(SkinDataTest, LauncherSequence) {
  auto d = Make();
  d->Loaded();
  ASSERT_TRUE(manager_);
  EXPECT_EQ(manager_->calls, (std::vector<std::string>{"Register", "InstallHook"}));
  manager_->calls.clear();

  // Active before any skin: reads true, starts nothing.
  d->SetActive(true);
  EXPECT_TRUE(d->Active());
  EXPECT_TRUE(manager_->calls.empty());

  // The file is read whole on assignment and may be deleted right after.
  const std::string file = WriteFile(SmallSkin().File());
  d->SetSkinFile(file);
  ASSERT_TRUE(fsys::RemoveFile(file));
  EXPECT_FALSE(d->SkinEmpty());
  EXPECT_EQ(d->SkinFile(), file);
  EXPECT_EQ(manager_->requesting, d.get());
  EXPECT_EQ(manager_->calls, (std::vector<std::string>{"ClearCaptionButtons"}));  // run state 0
  ASSERT_TRUE(d->Objects.MenuItem);
  EXPECT_EQ(d->Objects.Top->Image.GetPixel(1, 1), kRed);
  EXPECT_EQ(d->Colours.ButtonFace, RgbColour(9, 9, 9));
  EXPECT_EQ(d->Colours.TitleColour, kRed);
  EXPECT_NE(d->FaceBrush(), nullptr);
  EXPECT_TRUE(messages_.empty());
  manager_->calls.clear();

  // Setting true again is no change: skinning starts only on a change to true.
  d->SetActive(true);
  EXPECT_TRUE(manager_->calls.empty());
  d->SetActive(false);
  d->SetActive(true);
  EXPECT_EQ(manager_->calls,
            (std::vector<std::string>{"Request 2 250", "Request 1 250", "RunState 1"}));
  manager_->calls.clear();

  // A second skin while running: read at once, re-skin requested.
  const TDataSkinBorder* top = d->Objects.Top.get();
  d->SetSkinFile(WriteFile(SmallSkin(kBlue).File()));
  EXPECT_EQ(manager_->calls, (std::vector<std::string>{"ClearCaptionButtons", "Request 3 250"}));
  EXPECT_EQ(d->Objects.Top.get(), top);  // always-present objects keep their identity
  EXPECT_EQ(d->Objects.Top->Image.GetPixel(1, 1), kBlue);
  manager_->calls.clear();
  d.reset();
  EXPECT_EQ(manager_->calls, (std::vector<std::string>{"Unregister"}));
}

TEST_F(SkinDataTest, ActiveAtLoadWithoutSkinIsCleared) {
  auto d = Make();
  d->SetActive(true);  // while loading: only stored
  EXPECT_EQ(CurrentSkinManager(), nullptr);
  d->Loaded();
  EXPECT_FALSE(d->Active());
  EXPECT_EQ(manager_->calls, (std::vector<std::string>{"Register", "InstallHook"}));
}

TEST_F(SkinDataTest, StoredSkinIsReadWhileLoadingAndActivatedByLoaded) {
  auto d = Make();
  TMemoryStream stored(Stored(SmallSkin().File()));
  d->ReadSkinStream(stored);
  EXPECT_FALSE(d->SkinEmpty());
  d->SetActive(true);
  d->Loaded();
  EXPECT_TRUE(d->Active());
  EXPECT_EQ(manager_->calls,
            (std::vector<std::string>{"Register", "InstallHook", "Request 1 250"}));
  EXPECT_EQ(manager_->requesting, d.get());

  // Written back as length and bytes.
  TMemoryStream written;
  d->WriteSkinStream(written);
  EXPECT_EQ(written.Bytes(), stored.Bytes());
}

TEST_F(SkinDataTest, StoredSkinStreamEdgeCases) {
  auto d = Make();
  TMemoryStream empty(std::vector<uint8_t>{0, 0, 0, 0});
  d->ReadSkinStream(empty);
  EXPECT_TRUE(d->SkinEmpty());
  TMemoryStream negative(std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF});
  d->ReadSkinStream(negative);
  EXPECT_EQ(d->SkinStream().Size(), 0);
  TMemoryStream written;
  d->WriteSkinStream(written);
  EXPECT_EQ(written.Bytes(), (std::vector<uint8_t>{0, 0, 0, 0}));

  // A length beyond the data holding it changes nothing.
  std::vector<uint8_t> shortData = Stored(SmallSkin().File());
  shortData.resize(shortData.size() - 1);
  TMemoryStream truncated(shortData);
  EXPECT_THROW(d->ReadSkinStream(truncated), EStreamError);
  EXPECT_EQ(d->SkinStream().Size(), 0);
  TMemoryStream huge(std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 3});
  EXPECT_THROW(d->ReadSkinStream(huge), EStreamError);
  EXPECT_TRUE(messages_.empty());
}

TEST_F(SkinDataTest, RefusedSkinLeavesTheComponentAsItWas) {
  auto d = Make();
  d->Loaded();
  const std::string goodFile = WriteFile(SmallSkin().File());
  d->SetSkinFile(goodFile);
  ASSERT_FALSE(d->SkinEmpty());
  const std::vector<uint8_t> goodBytes = d->SkinStream().Bytes();
  manager_->calls.clear();

  // An old-format skin: the message, and nothing else changes.
  std::vector<uint8_t> package = SmallSkin(kBlue).Package();
  package[0] = 0x1F;  // format number 19999
  d->SetSkinFile(WriteFile(BuildSkinFile(package)));
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0], "This is Older Skin File\rPlease update to new version !");
  EXPECT_FALSE(d->SkinEmpty());
  EXPECT_EQ(d->SkinFile(), goodFile);
  EXPECT_EQ(d->SkinStream().Bytes(), goodBytes);
  EXPECT_TRUE(manager_->calls.empty());  // no ApplySkin
  ASSERT_TRUE(d->Objects.MenuItem);
  EXPECT_EQ(d->Objects.Top->Image.GetPixel(1, 1), kRed);

  // The same through the stored SkinStream property.
  TMemoryStream stored(Stored(BuildSkinFile(package)));
  d->ReadSkinStream(stored);
  EXPECT_EQ(messages_.size(), 2u);
  EXPECT_FALSE(d->SkinEmpty());
  EXPECT_EQ(d->SkinStream().Bytes(), goodBytes);
  EXPECT_EQ(d->Objects.Top->Image.GetPixel(1, 1), kRed);

  // The kept skin still serves: activation starts skinning with it.
  d->SetActive(true);
  EXPECT_EQ(manager_->calls, (std::vector<std::string>{"Request 1 250", "RunState 1"}));
}

TEST_F(SkinDataTest, OldFormatFirstSkinLeavesNothingToActivate) {
  auto d = Make();
  d->Loaded();
  manager_->calls.clear();
  std::vector<uint8_t> package = SmallSkin(kBlue).Package();
  package[0] = 0x1F;
  d->SetSkinFile(WriteFile(BuildSkinFile(package)));
  EXPECT_EQ(messages_.size(), 1u);
  EXPECT_TRUE(d->SkinEmpty());
  EXPECT_EQ(d->SkinStream().Size(), 0);
  d->SetActive(true);
  EXPECT_TRUE(manager_->calls.empty());
}

TEST_F(SkinDataTest, MissingFileIsIgnoredAndEmptyFileIsOld) {
  auto d = Make();
  d->SetSkinFile(fsys::TempFolder() + "no-such-skin-file.skn");
  EXPECT_TRUE(messages_.empty());
  EXPECT_TRUE(d->SkinEmpty());
  d->SetSkinFile(WriteFile({}));  // length field missing: an empty package
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0], kOldSkinMessage);
}

TEST_F(SkinDataTest, SkinWithoutDescription) {
  TestSkin skin;
  skin.iniName.clear();
  skin.Image("top.bmp", Solid(4, 4, kRed));
  auto d = Make();
  d->SkinStream().Bytes() = skin.File();
  ASSERT_TRUE(d->LoadSkinFromStream());
  EXPECT_FALSE(d->SkinEmpty());
  const TSkinObjects& s = d->Objects;
  std::vector<std::string> names;
  for (const TDataSkinObject* o : s.All()) names.push_back(o->Name);
  EXPECT_EQ(names, (std::vector<std::string>{"Left", "Right", "Top", "Bottom", "Title", "Buttons",
                                             "TRACK", "TRACKVERT", "ComboxArrow", "Toolbar"}));
  EXPECT_TRUE(s.Top->Image.Empty());
  EXPECT_EQ(s.CaptionButtons.size(), 3u);  // the MDI buttons only
}

TEST_F(SkinDataTest, OtherScopesEnableTheManagerInsteadOfHooking) {
  auto d = Make();
  d->SkinFormtype = sfOnlyThisForm;
  d->OwnerWindow = [] { return GetDesktopWindow(); };
  d->SetActive(true);
  d->Loaded();
  EXPECT_EQ(manager_->calls, (std::vector<std::string>{"Register", "Enable", "RunState 1",
                                                       "SkinWindow"}));
  manager_->calls.clear();
  d->SetActive(false);
  EXPECT_EQ(manager_->calls, (std::vector<std::string>{"Request 2 250"}));
  manager_->calls.clear();
  d->SetActive(true);  // no skin: nothing requested
  EXPECT_TRUE(manager_->calls.empty());

  auto dialog = Make();
  dialog->SkinFormtype = sfDialog;
  dialog->Loaded();
  manager_->calls.clear();
  dialog->SetActive(true);
  EXPECT_TRUE(manager_->calls.empty());
}

TEST_F(SkinDataTest, LoadedSettlesMenuKinds) {
  auto a = Make();
  a->SkinControls = WithControl(a->SkinControls, xcMenuItem);
  a->Loaded();
  EXPECT_FALSE(HasControl(a->SkinControls, xcMenuItem));
  EXPECT_TRUE(HasControl(a->SkinControls, xcSystemMenu));
  EXPECT_TRUE(HasControl(a->SkinControls, xcScrollbar));  // GetScrollBarInfo exists

  auto b = Make();
  b->SkinControls = WithControl(WithoutControl(b->SkinControls, xcMainMenu), xcMenuItem);
  b->Loaded();
  EXPECT_TRUE(HasControl(b->SkinControls, xcMenuItem));
  EXPECT_FALSE(HasControl(b->SkinControls, xcSystemMenu));
}

TEST_F(SkinDataTest, FormSkinDecision) {
  auto d = Make();
  bool doSkin = true;
  d->DoFormSkin(nullptr, "SysMonthCal32", doSkin);
  EXPECT_FALSE(doSkin);
  doSkin = true;
  d->DoFormSkin(nullptr, "TfrDesigner", doSkin);
  EXPECT_TRUE(doSkin);  // xcFastReport is not set by default
  d->SkinControls = WithControl(d->SkinControls, xcFastReport);
  d->DoFormSkin(nullptr, "TfrDesigner", doSkin);
  EXPECT_FALSE(doSkin);
  doSkin = false;
  d->DoFormSkin(nullptr, "TForm1", doSkin);
  EXPECT_FALSE(doSkin);  // keeps the value it came with

  std::string asked;
  d->OnFormSkin = [&](TSkinData* sender, const std::string& name, bool& skin) {
    EXPECT_EQ(sender, d.get());
    asked = name;
    skin = true;
  };
  doSkin = false;
  d->DoFormSkin(nullptr, "SysMonthCal32", doSkin);
  EXPECT_TRUE(doSkin);
  EXPECT_EQ(asked, "SysMonthCal32");

  int changed = 0;
  d->DoSkinChanged();
  d->OnSkinChanged = [&](TSkinData*) { ++changed; };
  d->DoSkinChanged();
  EXPECT_EQ(changed, 1);
}

TEST_F(SkinDataTest, AppIconFromAWindowIcon) {
  HWND window = CreateWindowExW(0, L"STATIC", L"icon", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  auto d = Make();
  EXPECT_EQ(TSkinData::WindowIcon(window), nullptr);
  d->MakeAppIcon(TSkinData::WindowIcon(window));  // no icon: AppIcon stays empty
  EXPECT_TRUE(d->AppIcon.Empty());
  HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
  SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  EXPECT_EQ(TSkinData::WindowIcon(window), icon);  // the big one when there is no small one
  d->MakeAppIcon(TSkinData::WindowIcon(window));
  EXPECT_EQ(d->AppIcon.Width(), GetSystemMetrics(SM_CXSMICON));
  EXPECT_EQ(d->AppIcon.Height(), GetSystemMetrics(SM_CYSMICON));
  DestroyWindow(window);
}

TEST_F(SkinDataTest, OwnedByItsFormAndTakesTheApplicationIcon) {
  TApplication app;
  app.Icon = LoadIconW(nullptr, IDI_APPLICATION);
  {
    TComponent owner(nullptr);
    auto* d = new TSkinData(&owner);
    d->ShowMessage = [this](const std::string& text) { messages_.push_back(text); };
    EXPECT_EQ(owner.ComponentCount(), 1);
    d->Loaded();
    EXPECT_EQ(d->AppIcon.Width(), GetSystemMetrics(SM_CXSMICON));
    manager_->calls.clear();
  }  // the owner frees it
  EXPECT_EQ(manager_->calls, (std::vector<std::string>{"Unregister"}));
}

// Damaged skins of every kind load or are refused, and never crash or leak into
// a half-read state. QUILLMERE_MUTATION_ROUNDS and QUILLMERE_MUTATION_SEED run it longer
// or differently (default 300 rounds, seed 1234).
TEST_F(SkinDataTest, MutatedSkinsNeverCrash) {
  TestSkin skin;
  skin.Text(
          "[Personality]\nTop=top.bmp\nTopFrame=3\n[SunkEdge]\nImage=cb.bmp\n"
          "[ComboButton]\nImage=cb.bmp\n[ExtraImages]\nImage=cb.bmp\n[Buttons]\n"
          "RadioButton=cb.bmp\n[ButtonX]\nButtonImage=cb.bmp\n[MDICONTROLS]\nImage=cb.bmp\n")
      .Image("top.bmp", Solid(30, 12, kRed))
      .Image("cb.bmp", Cells(40, 16, 4, {kRed, kBlue}));
  const std::vector<uint8_t> package = skin.Package();
  const std::vector<uint8_t> file = BuildSkinFile(package);
  const char* roundsText = std::getenv("QUILLMERE_MUTATION_ROUNDS");
  const char* seedText = std::getenv("QUILLMERE_MUTATION_SEED");
  const int rounds = roundsText ? std::atoi(roundsText) : 300;
  std::mt19937 random(seedText ? static_cast<unsigned>(std::atoi(seedText)) : 1234u);
  auto d = Make();
  int loaded = 0;
  for (int round = 0; round < rounds; ++round) {
    std::vector<uint8_t> bytes;
    if (round % 3 == 0) {
      // Mutate the package, then compress it: structure, description and images break.
      std::vector<uint8_t> p = package;
      const int flips = 1 + static_cast<int>(random() % 8);
      for (int i = 0; i < flips; ++i) p[random() % p.size()] = static_cast<uint8_t>(random());
      bytes = BuildSkinFile(p);
    } else if (round % 3 == 1) {
      bytes = file;  // mutate the compressed stream
      const int flips = 1 + static_cast<int>(random() % 4);
      for (int i = 0; i < flips; ++i) bytes[random() % bytes.size()] ^= 1u << (random() % 8);
    } else {
      bytes.assign(file.begin(), file.begin() + static_cast<long>(random() % file.size()));
    }
    d->SkinStream().Bytes() = bytes;
    d->SkinStream().Seek(0);
    if (d->LoadSkinFromStream()) {
      ++loaded;
      EXPECT_FALSE(d->SkinEmpty());
    } else {
      EXPECT_TRUE(d->SkinEmpty());
    }
  }
  EXPECT_GT(loaded, 0);
}

// The default skin built with the program (classic.skn beside the test program).
TEST_F(SkinDataTest, DefaultSkinLoadsCompletely) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  folder.erase(folder.find_last_of(L'\\') + 1);
  const std::string classic = Narrow(folder) + "classic.skn";
  ASSERT_TRUE(fsys::FileExists(classic)) << classic;

  auto d = Make();
  std::vector<std::string> problems;
  d->OnImageProblem = [&](const std::string& section, const std::string& key,
                          const std::string& value, const char* problem) {
    problems.push_back(section + "." + key + "=" + value + ": " + problem);
  };
  d->Loaded();
  d->SetSkinFile(classic);
  EXPECT_TRUE(messages_.empty());
  EXPECT_TRUE(problems.empty()) << problems.front();
  ASSERT_FALSE(d->SkinEmpty());
  const TSkinObjects& s = d->Objects;
  EXPECT_FALSE(s.Top->Image.Empty());
  EXPECT_FALSE(s.Left->Image.Empty());
  EXPECT_FALSE(s.Buttons->Image.Empty());
  EXPECT_GT(s.CaptionButtons.size(), 3u);
  for (const TDataSkinObject* o : s.All()) {
    if (o->Image.Empty() || o->Frame <= 0) continue;
    EXPECT_EQ(o->Image.Width() % o->Frame, 0) << o->Name;
  }
}

}  // namespace
