#pragma once
// Window layouts are given in twips; on screen 15 twips make one device-independent pixel.
#include <QPoint>
#include <QRect>
#include <QSize>

namespace twips {
constexpr int PerPixel = 15;

constexpr int px(int twips) { return (twips + (twips >= 0 ? PerPixel / 2 : -PerPixel / 2)) / PerPixel; }
constexpr int fromPx(int pixels) { return pixels * PerPixel; }
inline QPoint pos(int left, int top) { return {px(left), px(top)}; }
inline QSize size(int width, int height) { return {px(width), px(height)}; }
inline QRect rect(int left, int top, int width, int height) { return {pos(left, top), size(width, height)}; }
}
