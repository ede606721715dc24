// On the desktop a key's portable number is SDL's own, both ways, for every key.
#include "platform/key_numbers.h"

#include <gtest/gtest.h>

TEST(KeyNumbers, AreTheDesktopsOwnBothWays) {
    for (int key = 0; key < portableKeyCount; ++key) {
        const bool named = key < 297 || key > 299;
        EXPECT_EQ(platformKeyOf(key), named ? key : SDLK_UNKNOWN) << key;
        EXPECT_EQ(portableKeyOf(key), named ? key : -1) << key;
    }
}
