// Helpers shared by the console tests.
#pragma once

#include <cstdlib>
#include <string>

namespace console_test {

// True when an X display is at hand for Tk; takes NORVANE_XDISPLAY when
// DISPLAY is not set.
inline bool HaveDisplay() {
  const char *display = std::getenv("DISPLAY");
  if (display == nullptr || *display == '\0') {
    const char *x = std::getenv("NORVANE_XDISPLAY");
    if (x == nullptr || *x == '\0') return false;
#ifdef _WIN32
    _putenv_s("DISPLAY", x);
#else
    setenv("DISPLAY", x, 1);
#endif
  }
  return true;
}

}  // namespace console_test
