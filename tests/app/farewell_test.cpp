#include "app/farewell.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(Farewell, TheMessageIsOneLineWithItsQuotesAndDoubleSpace) {
    EXPECT_EQ(farewellMessage(),
              "This is a \"Beta Version\" of Korvane, and it is FREEWARE.  Please send your "
              "comments to korvane@example.com - Thanks!! Torvin \"the Pellwick\" Quillard");
    EXPECT_EQ(farewellMessage().find('\n'), std::string::npos);
}

}  // namespace
}  // namespace korvane
