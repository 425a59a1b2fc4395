#include <gtest/gtest.h>

#include "app/main_window.h"
#include "app/window_place.h"

namespace kt {
namespace {

struct PlaceCase {
    QRect screen;
    QPoint place;
};

const PlaceCase placeCases[] = {
    /* 0*/ {{0, 0, 1920, 1080}, {586, 105}},
    /* 1*/ {{0, 0, 1366, 768}, {309, -50}},
    /* 2*/ {{0, 0, 745, 867}, {-1, -1}},
    /* 3*/ {{0, 0, 746, 868}, {0, 0}},  // -0.5 rounds toward zero
    /* 4*/ {{1920, 0, 1024, 768}, {2058, -50}},
};

TEST(CentredWindowPlace, HalvesTheDifferenceRoundingTowardZero)
{
    for (std::size_t row = 0; row < std::size(placeCases); ++row) {
        EXPECT_EQ(centredWindowPlace(placeCases[row].screen, MainWindow::OuterSize),
                  placeCases[row].place)
            << "row " << row;
    }
}

}  // namespace
}  // namespace kt
