#pragma once

// A canvas for the fuzz targets: draws on a raster canvas and, beside it, on a plain copy of the
// pixels plotted one at a time, and checks that every pixel and rectangle of a drawing lies within
// a region given for the layer, and every text starts on the canvas. The raster canvas and its copy
// are kept from one input to the next while their size stays; texts fill their box like the raster
// canvas but are not recorded, so that a kept canvas does not grow.

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "common/canvas.h"
#include "support/raster_canvas.h"
#include "fuzz_input.h"

KIRV_FUZZ_HARNESS_BEGIN

namespace kirv::fuzz {

// Pixel coordinates that drawing may reach, bounds included; clipped drawing beyond the canvas
// stays inside them.
struct Region {
  int left;
  int top;
  int right;
  int bottom;

  bool Holds(int x, int y) const { return left <= x && x <= right && top <= y && y <= bottom; }
};

class CheckedCanvas : public Canvas {
 public:
  // Starts a drawing on a canvas of this size; pixels, lines and rectangles may reach `reach`,
  // text only the canvas itself (and none at all when textAllowed is false).
  void Begin(int width, int height, const Region& reach, bool textAllowed) {
    if (!raster_ || raster_->Width() != width || raster_->Height() != height) {
      raster_.emplace(width, height, kFill);
      copy_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), kFill);
    }
    reach_ = reach;
    textAllowed_ = textAllowed;
    brush_ = kWhite;
    brushClear_ = false;
    raster_->SetBrushColour(brush_);
    raster_->SetBrushClear(false);
  }

  // The raster canvas holds, pixel for pixel, what the plain plotting gave. Under the fuzzing
  // engine, which runs millions of inputs, every third pixel of every third row is enough and
  // keeps a run short; a replay compares them all.
  void CheckPixels(const std::string& context) const {
#if defined(KIRV_FUZZ_ENGINE)
    constexpr int kStride = 3;
#else
    constexpr int kStride = 1;
#endif
    const int width = Width();
    const int height = Height();
    for (int y = 0; y < height; y += kStride) {
      for (int x = (y / kStride) % kStride; x < width; x += kStride) {
        KIRV_FUZZ_CHECK(raster_->Pixel(x, y) == copy_[Index(x, y)],
                        context + " pixel " + Where(x, y));
      }
    }
  }

  int Width() const override { return raster_->Width(); }
  int Height() const override { return raster_->Height(); }
  void SetPenColour(Colour c) override {
    pen_ = c;
    raster_->SetPenColour(c);
  }
  void SetBrushColour(Colour c) override {
    brush_ = c;
    raster_->SetBrushColour(c);
  }
  void SetFontColour(Colour c) override { raster_->SetFontColour(c); }
  void SetBrushClear(bool clear) override {
    brushClear_ = clear;
    raster_->SetBrushClear(clear);
  }
  void MoveTo(int x, int y) override {
    penX_ = x;
    penY_ = y;
    raster_->MoveTo(x, y);
  }
  void LineTo(int x, int y) override {
    RasterLine(penX_, penY_, x, y, [this](int px, int py) { Plot(px, py, pen_, "line"); });
    penX_ = x;
    penY_ = y;
    raster_->LineTo(x, y);
  }
  void SetPixel(int x, int y, Colour c) override {
    Plot(x, y, c, "pixel");
    raster_->SetPixel(x, y, c);
  }
  Colour Pixel(int x, int y) const override { return raster_->Pixel(x, y); }
  void FillRect(int left, int top, int right, int bottom) override {
    Fill(left, top, right, bottom, reach_, "rectangle");
    raster_->FillRect(left, top, right, bottom);
  }
  // The layers are whole drawings: nothing scrolls them.
  bool ScrollLeft(int) override { return false; }
  // A text starts on the canvas and fits its height; a name at the right end of the time axis
  // may run past the right edge, which cuts it.
  void TextOut(int x, int y, const std::string& text) override {
    const std::string what = "text \"" + text + "\"";
    KIRV_FUZZ_CHECK(textAllowed_, what + " on a layer without text");
    const int right = x + TextWidth(text);
    const int bottom = y + TextHeight(text);
    Check({0, 0, Width() - 1, Height() - 1}, x, y, x + 1, bottom, what);
    if (!brushClear_) {
      Fill(x, y, right, bottom, {0, 0, right, Height() - 1}, what);
      raster_->FillRect(x, y, right, bottom);
    }
  }
  int TextWidth(const std::string& text) const override { return raster_->TextWidth(text); }
  int TextHeight(const std::string& text) const override { return raster_->TextHeight(text); }

 private:
  static constexpr Colour kFill = 0x123456;  // no colour a drawing uses

  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(Width()) +
           static_cast<std::size_t>(x);
  }

  static std::string Where(int x, int y) {
    return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
  }

  void Plot(int x, int y, Colour c, const char* what) {
    KIRV_FUZZ_CHECK(reach_.Holds(x, y),
                    std::string(what) + " at " + Where(x, y) + " on " + Where(Width(), Height()));
    if (x >= 0 && y >= 0 && x < Width() && y < Height()) copy_[Index(x, y)] = c;
  }

  // A non-empty box [left, right) × [top, bottom) lies within the region.
  void Check(const Region& region, int left, int top, int right, int bottom,
             const std::string& what) const {
    if (left >= right || top >= bottom) return;
    KIRV_FUZZ_CHECK(region.Holds(left, top) && region.Holds(right - 1, bottom - 1),
                    what + " from " + Where(left, top) + " to " + Where(right, bottom) + " on " +
                        Where(Width(), Height()));
  }

  void Fill(int left, int top, int right, int bottom, const Region& region,
            const std::string& what) {
    Check(region, left, top, right, bottom, what);
    left = std::max(left, 0);
    right = std::min(right, Width());
    if (left >= right) return;
    for (int y = std::max(top, 0); y < std::min(bottom, Height()); ++y) {
      std::fill(copy_.begin() + static_cast<std::ptrdiff_t>(Index(left, y)),
                copy_.begin() + static_cast<std::ptrdiff_t>(Index(right, y)), brush_);
    }
  }

  std::optional<RasterCanvas> raster_;
  std::vector<Colour> copy_;
  Region reach_{};
  bool textAllowed_ = true;
  Colour pen_ = kBlack;
  Colour brush_ = kWhite;
  bool brushClear_ = false;
  int penX_ = 0;
  int penY_ = 0;
};

}  // namespace kirv::fuzz

KIRV_FUZZ_HARNESS_END
