// The settings of every test in this program live in a temporary folder: XDG_CONFIG_HOME is set
// before the first settings object exists (the settings paths are fixed at first use).
#include <cstdlib>

#include "support/image_builder.h"

namespace {
tessalin::test::TempDir g_configHome;
[[maybe_unused]] const bool g_configHomeSet = setenv("XDG_CONFIG_HOME", g_configHome.path().c_str(), 1) == 0;
}  // namespace
