#include <gtest/gtest.h>
#include "model/numeri.h"
using namespace vask;
TEST(Numeri, segnaposto) { EXPECT_EQ(testosingolo(2.5f), "2.5"); }
