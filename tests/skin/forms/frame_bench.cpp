// frame_bench [SKIN.skn] [ROUNDS]: prints milliseconds per full frame paint (borders,
// title bar with caption text and caption buttons, active and inactive) and per region
// build of a 1024 x 768 window, with the given skin (default: classic.skn beside the
// program) and, for comparison in the same run, with the tests' own skin.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "form_test_skin.h"
#include "skin/forms/frame_painter.h"
#include "skin/forms/frame_region.h"

namespace {

using testskin::BesideProgram;

// The median of rounds timings, in milliseconds.
double MedianMs(int rounds, const std::function<void()>& call) {
  call();  // warm up
  std::vector<double> times;
  for (int i = 0; i < rounds; ++i) {
    const auto start = std::chrono::steady_clock::now();
    call();
    const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
    times.push_back(spent.count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

class NoHost : public TNCHost {
 public:
  TNCObject* HotObject() const override { return nullptr; }
  void SetHotObject(TNCObject*) override {}
  void RepaintObject(TNCObject&) override {}
};

void Measure(const char* label, TSkinData& skin, int rounds) {
  const int W = 1024, H = 768;
  TWindowFacts facts;
  facts.width = W;
  facts.height = H;
  facts.frame = FrameWidthsOf(skin.Objects, bkSizeable);
  facts.buttonFlags = kHasSystemMenu | kHasMaximiseBox | kHasMinimiseBox;
  facts.caption = L"Quillmere benchmark window";
  NoHost host;
  TBitmap icon(16, 16);
  TCaptionButtons buttons;
  buttons.Rebuild(host, skin, icon);
  OwnedFont font(CreateCaptionFont());
  TBitmap target(W, H);
  TFramePaintInput in;
  in.skin = &skin;
  in.facts = &facts;
  in.captionFont = font.Get();
  in.buttons = &buttons;
  const double active = MedianMs(rounds, [&] {
    facts.active = true;
    PaintSkinFrame(target.Canvas(), in);
    GdiFlush();
  });
  const double inactive = MedianMs(rounds, [&] {
    facts.active = false;
    PaintSkinFrame(target.Canvas(), in);
    GdiFlush();
  });
  const double region = MedianMs(rounds, [&] { BuildFrameRegion(skin.Objects, facts); });
  std::printf("%-22s frame paint %7.3f ms (inactive %7.3f ms), region build %7.3f ms%s\n", label,
              active, inactive, region,
              FrameHasTransparency(skin.Objects) ? "" : " (no transparent piece: rectangle)");
}

}  // namespace

int main(int argc, char** argv) {
  const std::string path = argc > 1 ? argv[1] : BesideProgram("classic.skn");
  const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 50;
  std::printf("1024 x 768 window, median of %d rounds (aim: frame paint under 2 ms, region build "
              "under 10 ms)\n", rounds);
  TSkinData skin;
  skin.ShowMessage = [](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); };
  skin.SetSkinFile(path);
  if (skin.SkinEmpty()) {
    std::fprintf(stderr, "skin not loaded: %s\n", path.c_str());
  } else {
    Measure(path.substr(path.find_last_of("\\/") + 1).c_str(), skin, rounds);
  }
  auto own = formskin::Load();
  Measure("tests' own skin", *own, rounds);
  return 0;
}
