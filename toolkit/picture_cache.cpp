#include "toolkit/picture_cache.h"

#include <QFont>
#include <cstring>

namespace cw {

KeySurface::KeySurface(double width, double height) : width_(width), height_(height) {
    key_.reserve(1024);
}

void KeySurface::Op(char type, std::initializer_list<double> args) {
    const DrawState& s = State();
    const int32_t state[] = {s.ForeColor.r, s.ForeColor.g, s.ForeColor.b, s.FillColor.r,
                             s.FillColor.g, s.FillColor.b, s.DrawWidth,   s.DrawStyle,
                             s.DrawMode,    s.FillStyle};
    key_ += type;
    key_.append(reinterpret_cast<const char*>(state), sizeof state);
    for (double a : args) key_.append(reinterpret_cast<const char*>(&a), sizeof a);
}

void KeySurface::DrawText(double x, double y, double size, const std::string& utf8) {
    Op('T', {x, y, size, static_cast<double>(utf8.size())});
    key_ += utf8;
    // Texts are drawn in the painter's default font, which follows the application's.
    key_ += QFont().key().toStdString();
}

void KeySurface::DrawLine(double x1, double y1, double x2, double y2) {
    Op('L', {x1, y1, x2, y2});
}

void KeySurface::DrawBox(double x1, double y1, double x2, double y2) {
    Op('B', {x1, y1, x2, y2});
}

void KeySurface::DrawEllipse(double cx, double cy, double rx, double ry) {
    Op('E', {cx, cy, rx, ry});
}

void KeySurface::DrawDot(double x, double y) {
    Op('D', {x, y});
}

void KeySurface::DrawRoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom,
                               int32_t cornerW, int32_t cornerH) {
    Op('R',
       {static_cast<double>(left), static_cast<double>(top), static_cast<double>(right),
        static_cast<double>(bottom), static_cast<double>(cornerW), static_cast<double>(cornerH)});
}

PictureCache& PictureCache::Shared() {
    // Enough for every state of every kind at a ratio of 2 many times over, a few megabytes.
    static PictureCache cache(8u << 20);
    return cache;
}

const QImage* PictureCache::Find(const std::string& key) const {
    const auto at = pictures_.find(key);
    return at == pictures_.end() ? nullptr : &at->second;
}

void PictureCache::Keep(const std::string& key, const QImage& picture) {
    const auto bytes = static_cast<size_t>(picture.sizeInBytes());
    if (bytes > mostBytes_ || pictures_.count(key)) return;
    while (bytes_ + bytes > mostBytes_ && !order_.empty()) {
        const auto oldest = pictures_.find(order_.front());
        bytes_ -= static_cast<size_t>(oldest->second.sizeInBytes());
        pictures_.erase(oldest);
        order_.pop_front();
    }
    pictures_.emplace(key, picture);
    order_.push_back(key);
    bytes_ += bytes;
}

}  // namespace cw
