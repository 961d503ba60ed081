// Pictures drawn once and reused. A picture's key is everything its pixels depend on: each
// operation its painter made with its arguments and drawing state, the font of its texts, its
// size, pixel ratio and background. So a part whose state, view or ratio changed finds another
// picture, and a found one is the very pixels its painter would draw again.
#pragma once

#include <QImage>
#include <cstddef>
#include <deque>
#include <string>
#include <unordered_map>

#include "render/surface.h"

namespace cw {

// A surface that draws nothing and writes what it was asked to draw as a key.
class KeySurface final : public Surface {
  public:
    KeySurface(double width, double height);
    double ScaleWidth() const override { return width_; }
    double ScaleHeight() const override { return height_; }
    std::string& Key() { return key_; }

  protected:
    void DrawText(double x, double y, double size, const std::string& utf8) override;
    void DrawLine(double x1, double y1, double x2, double y2) override;
    void DrawBox(double x1, double y1, double x2, double y2) override;
    void DrawEllipse(double cx, double cy, double rx, double ry) override;
    void DrawDot(double x, double y) override;
    void DrawRoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t cornerW,
                       int32_t cornerH) override;

  private:
    void Op(char type, std::initializer_list<double> args);
    double width_, height_;
    std::string key_;
};

class PictureCache {
  public:
    // The program's one cache, for every picture control that asks for it.
    static PictureCache& Shared();
    explicit PictureCache(size_t mostBytes) : mostBytes_(mostBytes) {}

    // The picture kept under key, or null.
    const QImage* Find(const std::string& key) const;
    // Keeps a picture; the oldest go when the cache would hold more than its bytes.
    void Keep(const std::string& key, const QImage& picture);
    size_t Count() const { return pictures_.size(); }
    size_t Bytes() const { return bytes_; }

  private:
    size_t mostBytes_;
    size_t bytes_ = 0;
    std::unordered_map<std::string, QImage> pictures_;
    std::deque<std::string> order_;  // oldest first
};

}  // namespace cw
