#include "core/name_text.h"

#include <gtest/gtest.h>

#include <vector>

using glimtags::NameText;

TEST(NameTextPlaceholder, Builds) { EXPECT_EQ(NameText("ab").length(), 2); }
