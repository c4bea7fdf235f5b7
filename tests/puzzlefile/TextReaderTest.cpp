#include "CMalovanaKrizovkaFromFile.h"
#include <gtest/gtest.h>
TEST(TextReader, Placeholder) { }
