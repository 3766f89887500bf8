// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/maintenance/mpg_loss.h"

#include "numbers/precision.h"

#include <gtest/gtest.h>

using namespace milora::calc::maintenance;

TEST(MpgLoss, StoresEachFigureAsASingleFromTheStoredGallons) {
    // 50000 miles at 20 MPG with a 4 percent loss: 104.1667 gallons, 312.5 dollars at $3.
    const MpgLoss loss = mpg_loss(50000, 20.0F, mpg_kept(4), 3.0F);
    EXPECT_FLOAT_EQ(loss.gallons, 104.16667F);
    EXPECT_EQ(loss.cost, 312.5F);
    EXPECT_EQ(loss.co2, static_cast<float>(double{loss.gallons} * 19.564));
}

TEST(MpgLoss, AFaultInTheModelThrows) {
    EXPECT_THROW(extra_gallons(1000, 20.0F, mpg_kept(100)), milora::numbers::FloatFault);
    EXPECT_THROW(mpg_loss(1000, 20.0F, 0.9, 3e38F), milora::numbers::FloatFault);
}
