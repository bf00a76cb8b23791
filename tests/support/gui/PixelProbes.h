#pragma once
// Checks a list of pixels of a picture, each given as {x, y, expected colour}.

#include <initializer_list>
#include <tuple>

#include <gtest/gtest.h>

#include "platform/gui/Graphics.h"

template <class Picture>
void ExpectPixels(const Picture& picture, std::initializer_list<std::tuple<int, int, TColor>> probes)
{
    for (const auto& [x, y, colour] : probes)
        EXPECT_EQ(picture.Pixels(x, y), colour) << "pixel (" << x << ", " << y << ")";
}
