#include <gtest/gtest.h>

#include "platform/rtl/Exceptions.h"

TEST(Exceptions, CarryTheirMessageAndBase)
{
    try {
        throw EReadError("Erreur de lecture de flux");
    } catch (const EStreamError& e) {
        EXPECT_EQ(e.Message, "Erreur de lecture de flux");
        EXPECT_STREQ(e.what(), "Erreur de lecture de flux");
    }
    EXPECT_THROW(Abort(), EAbort);
}
