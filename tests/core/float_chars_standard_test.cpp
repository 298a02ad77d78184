#include "core/float_chars.h"
#include "core/float_chars_test.h"

namespace tavro {

INSTANTIATE_TEST_SUITE_P(Standard, FloatCharsTest,
                         ::testing::Values(FloatCharsRoute{"standard",
                                                           float_chars_standard::ReadDouble,
                                                           float_chars_standard::WriteShortest,
                                                           float_chars_standard::WriteScientific}),
                         RouteNameOf);

}  // namespace tavro
