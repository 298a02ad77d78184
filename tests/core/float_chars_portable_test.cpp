#include "core/float_chars.h"
#include "core/float_chars_test.h"

namespace tavro {

INSTANTIATE_TEST_SUITE_P(Portable, FloatCharsTest,
                         ::testing::Values(FloatCharsRoute{"portable",
                                                           float_chars_portable::ReadDouble,
                                                           float_chars_portable::WriteShortest,
                                                           float_chars_portable::WriteScientific}),
                         RouteNameOf);

}  // namespace tavro
