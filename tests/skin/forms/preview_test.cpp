// quillskin preview run in-process on the tests' skin: the JSON line describes the
// skinned window (client size kept, frame widths, shaped region, caption buttons in the
// skin's order) and the capture shows the frame's pixels; a message box is reported as
// a skinned system dialog; a skin that does not load ends with status 1.
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "../data/captured_output.h"
#include "command.h"
#include "form_test_skin.h"
#include "framework/bitmap.h"
#include "framework/file_system.h"
#include "framework/wide.h"

namespace {

using namespace formskin;

// The integers of the JSON array that follows "key": in text.
std::vector<long> ArrayAfter(const std::string& text, const std::string& key, size_t from = 0) {
  std::vector<long> values;
  size_t at = text.find("\"" + key + "\": [", from);
  if (at == std::string::npos) return values;
  at = text.find('[', at) + 1;
  const size_t end = text.find(']', at);
  std::string inner = text.substr(at, end - at);
  for (size_t i = 0; i < inner.size();) {
    char* stop = nullptr;
    const long v = std::strtol(inner.c_str() + i, &stop, 10);
    if (stop == inner.c_str() + i) {
      ++i;
      continue;
    }
    values.push_back(v);
    i = static_cast<size_t>(stop - inner.c_str());
  }
  return values;
}

std::string TempBmp() {
  wchar_t folder[MAX_PATH] = {}, path[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, folder);
  GetTempFileNameW(folder, L"qpv", 0, path);
  return Narrow(path);
}

TBitmap ReadBmp(const std::string& path) {
  TFileStream file(path, FileMode::Read);
  std::vector<uint8_t> bytes(static_cast<size_t>(file.Size()));
  if (!bytes.empty()) file.ReadBuffer(bytes.data(), bytes.size());
  TBitmap b;
  b.LoadFromBmp(bytes);
  return b;
}

TEST(Preview, ReportsAndCapturesTheSkinnedWindow) {
  const std::string skin = WriteFile();
  const std::string capture = TempBmp();
  CapturedOutput io;
  ASSERT_EQ(RunQuillskin({"preview", skin, "--at", "50,60", "--client", "320x200", "--caption",
                          "Preview test", "--no-menu", "--capture", capture},
                         io),
            0)
      << io.err;
  ASSERT_EQ(io.out.find("{\"skinned\": true"), 0u) << io.out;
  EXPECT_EQ(std::count(io.out.begin(), io.out.end(), '\n'), 1);
  const std::vector<long> window = ArrayAfter(io.out, "window");
  const std::vector<long> client = ArrayAfter(io.out, "client");
  ASSERT_EQ(window.size(), 4u);
  ASSERT_EQ(client.size(), 4u);
  EXPECT_EQ(window[0], 50);
  EXPECT_EQ(window[1], 60);
  EXPECT_EQ(client[2] - client[0], 320);
  EXPECT_EQ(client[3] - client[1], 200);
  EXPECT_EQ(client[0] - window[0], kLeftWidth);
  EXPECT_EQ(client[1] - window[1], kTopHeight);
  EXPECT_EQ(ArrayAfter(io.out, "frame"), (std::vector<long>{kLeftWidth, kTopHeight, kRightWidth, kBottomHeight}));
  EXPECT_NE(io.out.find("\"region\": \"shaped\""), std::string::npos);
  // The control assignment's panel row, and the media-player bar's wrapper.
  EXPECT_NE(io.out.find("\"class\": \"TPanel\", \"wrapper\": \"TSkinBox\""), std::string::npos) << io.out;
  EXPECT_NE(io.out.find("\"class\": \"TMediaPlayer\", \"wrapper\": \"TSkinMP\""), std::string::npos) << io.out;
  EXPECT_NE(io.out.find("\"class\": \"THeaderControl\", \"wrapper\": \"TSkinHeader\""), std::string::npos) << io.out;
  // The close button, first in the skin's order, 20 pixels from the right edge.
  const size_t buttons = io.out.find("\"caption_buttons\"");
  ASSERT_NE(buttons, std::string::npos);
  EXPECT_NE(io.out.find("{\"action\": 0, \"visible\": true", buttons), std::string::npos);
  const std::vector<long> close = ArrayAfter(io.out, "rect", buttons);
  ASSERT_EQ(close.size(), 4u);
  EXPECT_EQ(close[0], window[2] - 20);
  EXPECT_EQ(close[1], window[1] + 4);

  const TBitmap picture = ReadBmp(capture);
  ASSERT_EQ(picture.Width(), window[2] - window[0]);
  ASSERT_EQ(picture.Height(), window[3] - window[1]);
  EXPECT_EQ(picture.GetPixel(2, 100), kLeft1);
  EXPECT_EQ(picture.GetPixel(kLeftWidth + 3, 20), kTopCap);
  EXPECT_EQ(picture.GetPixel(picture.Width() - 20 + 8, 12), kClose[0]);
  fsys::RemoveFile(capture);
  fsys::RemoveFile(skin);
}

TEST(Preview, MessageBoxIsASkinnedSystemDialog) {
  const std::string skin = WriteFile();
  CapturedOutput io;
  ASSERT_EQ(RunQuillskin({"preview", skin, "--message", "Hello from the preview", "--capture",
                          TempBmp()},
                         io),
            0)
      << io.err;
  EXPECT_EQ(io.out.find("{\"skinned\": true"), 0u) << io.out;
  // Its OK button is wrapped as a bare window by the control assignment.
  EXPECT_NE(io.out.find("\"class\": \"Button\", \"wrapper\": \"TSkinButton\""), std::string::npos) << io.out;
  fsys::RemoveFile(skin);
}

TEST(Preview, OptionsShapeTheWindow) {
  const std::string skin = WriteFile();
  const std::string capture = TempBmp();
  {
    SCOPED_TRACE("--inactive: the inactive frame");
    CapturedOutput io;
    ASSERT_EQ(RunQuillskin({"preview", skin, "--inactive", "--capture", capture}, io), 0) << io.err;
    EXPECT_EQ(ReadBmp(capture).GetPixel(2, 100), kLeft2);
  }
  {
    SCOPED_TRACE("the main menu takes its band below the title");
    CapturedOutput io;
    ASSERT_EQ(RunQuillskin({"preview", skin, "--client", "300x150", "--capture", capture}, io), 0) << io.err;
    const std::vector<long> window = ArrayAfter(io.out, "window");
    const std::vector<long> client = ArrayAfter(io.out, "client");
    const int band = GetSystemMetrics(SM_CYMENU);
    EXPECT_NE(io.out.find("\"menu_bar\": " + std::to_string(band) + ","), std::string::npos) << io.out;
    ASSERT_EQ(client.size(), 4u);
    EXPECT_EQ(client[1] - window[1], kTopHeight + band);
    EXPECT_EQ(client[3] - client[1], 150);
  }
  {
    SCOPED_TRACE("--open-menu: the capture shows the File menu open below the bar");
    CapturedOutput io;
    ASSERT_EQ(RunQuillskin({"preview", skin, "--client", "300x200", "--open-menu", "1", "--capture",
                            capture}, io), 0) << io.err;
    const int band = GetSystemMetrics(SM_CYMENU);
    const TBitmap shot = ReadBmp(capture);
    // The right part of the first item shows the skin's menu colour (the client area has
    // the face colour).
    bool seen = false;
    for (int x = kLeftWidth + 30; x < kLeftWidth + 120 && !seen; ++x)
      seen = shot.GetPixel(x, kTopHeight + band + 10) == kMenu;
    EXPECT_TRUE(seen);
  }
  {
    SCOPED_TRACE("--border dialog: no icon button");
    CapturedOutput io;
    ASSERT_EQ(RunQuillskin({"preview", skin, "--border", "dialog", "--capture", capture}, io), 0) << io.err;
    EXPECT_NE(io.out.find("{\"action\": 3, \"visible\": false"), std::string::npos) << io.out;
    EXPECT_NE(io.out.find("{\"action\": 0, \"visible\": true"), std::string::npos) << io.out;
  }
  {
    SCOPED_TRACE("--mdi: an MDI frame whose children are skinned too");
    CapturedOutput io;
    ASSERT_EQ(RunQuillskin({"preview", skin, "--mdi", "--capture", capture}, io), 0) << io.err;
    EXPECT_NE(io.out.find("\"class\": \"MDIClient\""), std::string::npos) << io.out;
  }
  {
    // An exit time shorter than the start still gives the JSON line before closing.
    SCOPED_TRACE("--exit-after: closes by itself, after its report");
    CapturedOutput io;
    EXPECT_EQ(RunQuillskin({"preview", skin, "--exit-after", "0"}, io), 0) << io.err;
    EXPECT_EQ(io.out.find("{\"skinned\": true"), 0u);
  }
  fsys::RemoveFile(capture);
  fsys::RemoveFile(skin);
}

TEST(Preview, SkinThatDoesNotLoadEndsWithStatus1) {
  CapturedOutput io;
  EXPECT_EQ(RunQuillskin({"preview", "Z:\\no\\such\\skin.skn"}, io), 1);
  EXPECT_NE(io.err.find("skin.skn"), std::string::npos);
  // A file that is no skin: the reader's message.
  const std::string bad = TempBmp();
  EXPECT_EQ(RunQuillskin({"preview", bad}, io), 1);
  EXPECT_FALSE(io.err.empty());
  fsys::RemoveFile(bad);
}

}  // namespace
