#include "CMalovanaKrizovkaFromFile.h"
#include <gtest/gtest.h>
TEST(BinaryReader, Placeholder) { }
