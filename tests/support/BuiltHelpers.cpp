// Every test program finds the helper programs of the build tree, as the
// installed program finds them beside itself. A test that puts a fake helper
// in their place sets the variable itself (see FakeHelper.h).
#include <cstdlib>

namespace {

const bool kHelpersNamed = [] { return ::setenv("ZRTPRO_MDBREAD", ZRTPRO_MDBREAD, 0) == 0; }();

}  // namespace
