// skin_draw_bench [ROUNDS]: prints milliseconds per call of the drawing routines on a
// window-sized target (800 x 600): nine-slice with a tiled 2 x 2 centre (against a
// tile-by-tile loop measured in the same run), with a stretched centre, keyed to a DC,
// the transparent copy, and a gradient fill.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "skin/data/image_utils.h"
#include "skin/data/skin_draw.h"

namespace {

double MsPerCall(int rounds, const std::function<void()>& call) {
  call();  // warm up
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < rounds; ++i) call();
  const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
  return spent.count() / rounds;
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
  const int W = 800, H = 600;
  TBitmap source(8, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) source.SetPixel(x, y, (x + y) % 3 ? 0xC0C0C0 : kSkinKeyColour);
  const RECT margins = {3, 3, 3, 3};
  TBitmap target(W, H);
  HDC dc = target.Canvas();

  const double tiled = MsPerCall(rounds, [&] { NineSliceBitmap(W, H, source, margins, false, true, 1, 1); });
  // The same tiles blitted one by one, as a straightforward loop would.
  const double naive = MsPerCall(rounds, [&] {
    auto out = NineSliceBitmap(W, H, source, margins, false, false, 1, 1);
    for (int y = 3; y < H - 3; y += 2)
      for (int x = 3; x < W - 3; x += 2)
        BitBlt(out->Canvas(), x, y, std::min(2, W - 3 - x), std::min(2, H - 3 - y), source.Canvas(), 3, 3, SRCCOPY);
    GdiFlush();
  });
  const double stretched = MsPerCall(rounds, [&] { NineSliceBitmap(W, H, source, margins, false, false, 1, 1); });
  const double keyed = MsPerCall(rounds, [&] {
    DrawNineSlice(dc, RECT{0, 0, W, H}, source, margins, false, false, 1, 1, true);
    GdiFlush();
  });
  TBitmap big(W, H);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) big.SetPixel(x, y, (x / 7 + y / 5) % 2 ? 0x808080 : kSkinKeyColour);
  const double copy = MsPerCall(rounds, [&] {
    TransparentCopy(dc, RECT{0, 0, W, H}, big, kSkinKeyColour);
    GdiFlush();
  });
  const double gradient = MsPerCall(rounds, [&] {
    FillGradient(dc, RECT{0, 0, W, H}, 0x000000, true, 0xFFFFFF);
    GdiFlush();
  });

  std::printf("drawing routines, %d x %d target, %d rounds (ms per call)\n", W, H, rounds);
  std::printf("  nine-slice, tiled 2x2 centre     %8.3f\n", tiled);
  std::printf("  nine-slice, tile-by-tile loop    %8.3f   (%.1fx the doubling blits)\n", naive,
              tiled > 0 ? naive / tiled : 0.0);
  std::printf("  nine-slice, stretched centre     %8.3f\n", stretched);
  std::printf("  nine-slice to a DC, keyed        %8.3f\n", keyed);
  std::printf("  transparent copy                 %8.3f\n", copy);
  std::printf("  vertical gradient fill           %8.3f\n", gradient);
  return 0;
}
