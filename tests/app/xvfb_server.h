// Whether the real-window tests have their X server (see xvfb_main.cpp).
#pragma once

namespace kz::test {

bool& XvfbRunning();

// At the top of a real-window test.
#define KZ_NEEDS_XVFB()                                                              \
  if (!::kz::test::XvfbRunning())                                                    \
  GTEST_SKIP() << "Xvfb is not installed (Debian package xvfb, see "                 \
                  "scripts/install-deps.sh): the tests of the real window need it"

}  // namespace kz::test
