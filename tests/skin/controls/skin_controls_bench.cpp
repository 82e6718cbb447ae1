// Benchmark (a program that prints figures): skins a form of 200 controls (buttons,
// check boxes, radio buttons, memos, list boxes and scroll bars) by attaching every
// wrapper, and repaints the whole form with and without the wrappers in the same run.
// Usage: skin_controls_bench [ROUNDS]   (needs a display)
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "control_test_support.h"
#include "framework/buttons.h"
#include "framework/list_controls.h"
#include "framework/memo.h"
#include "framework/scroll_controls.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/skin_control_factory.h"
#include "skin/controls/skin_control_list.h"

using namespace controltest;
using Clock = std::chrono::steady_clock;

namespace {
double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

struct Item {
  TControl* control;
  const char* wrapper;
};

std::vector<Item> Populate(TForm& form) {
  std::vector<Item> items;
  for (int i = 0; i < 200; ++i) {
    int column = i % 20, row = i / 20;
    int x = 4 + column * 50, y = 4 + row * 70;
    TControl* c = nullptr;
    const char* wrapper = "";
    switch (i % 10) {
      case 0: case 1: case 2:
        c = new TButton(&form), wrapper = "TSkinButton";
        break;
      case 3: case 4:
        c = new TCheckBox(&form), wrapper = "TSkinCheckBox";
        break;
      case 5: case 6:
        c = new TRadioButton(&form), wrapper = "TSkinRadioButton";
        break;
      case 7: {
        auto* memo = new TMemo(&form);
        memo->SetScrollBars(ssBoth);
        c = memo, wrapper = "TSkinScrollbar";
        break;
      }
      case 8:
        c = new TListBox(&form), wrapper = "TSkinScrollbar";
        break;
      default: {
        auto* bar = new TScrollBar(&form);
        bar->Kind = sbVertical;
        c = bar, wrapper = "TSkinScControl";
        break;
      }
    }
    c->SetBounds(x, y, 46, 64);
    c->SetCaption("Item " + std::to_string(i));
    c->SetParent(&form);
    items.push_back({c, wrapper});
  }
  return items;
}
}  // namespace

int main(int argc, char** argv) {
  int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  auto skin = MakeSkin();
  if (!skin) {
    std::fprintf(stderr, "test skin did not load\n");
    return 1;
  }
  std::vector<double> attach, plain, skinned;
  for (int r = 0; r < rounds; ++r) {
    auto form = MakeForm(1010, 710);
    std::vector<Item> items = Populate(*form);
    Pump();
    plain.push_back(RepaintMs(*form));
    TSkinControlList list;
    auto start = Clock::now();
    int made = 0;
    std::map<std::string, double> byKind;
    for (const Item& item : items) {
      auto one = Clock::now();
      if (SkinFrameworkControl(item.wrapper, item.control, &list, skin.get(), false)) ++made;
      byKind[item.wrapper] += Ms(Clock::now() - one);
    }
    if (getenv("BENCH_DETAIL"))
      for (auto& [k, v] : byKind) std::printf("  %s %.1f ms\n", k.c_str(), v);
    attach.push_back(Ms(Clock::now() - start));
    if (made != 200) std::fprintf(stderr, "only %d wrappers\n", made);
    Pump();
    skinned.push_back(RepaintMs(*form));
    form.reset();
  }
  double p = MedianOf(plain), s = MedianOf(skinned);
  std::printf("controls: 200, rounds: %d (medians)\n", rounds);
  std::printf("skin the form (attach 200 wrappers): %.2f ms\n", MedianOf(attach));
  std::printf("repaint unskinned: %.2f ms\n", p);
  std::printf("repaint skinned:   %.2f ms\n", s);
  std::printf("skinned / unskinned: %.2f\n", p > 0 ? s / p : 0.0);
  return 0;
}
