#pragma once
// The maker's web page, opened by the desktop in the user's browser.
#include <QUrl>
#include <functional>

namespace WebPage {
inline constexpr const char* MakerPage = "https://www.brightway-learning.example/radezo-ruda";

// Asks the desktop to open the page; the result is ignored.
void openMakerPage();
// Tests record the address instead of starting a browser.
void setOpener(std::function<void(const QUrl&)> opener);
}
