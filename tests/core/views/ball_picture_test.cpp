// DrawBallPicture on a recording surface: which strip and tile go where, with which raster operation.
#include <gtest/gtest.h>

#include "recording_surface.h"
#include "views/ball_picture.h"

using namespace qorvel;
using namespace qorvel::testing;

TEST(BallPicture, StylesChooseTheStripTheSquareAndTheRasterOperations) {
    struct Case {
        const char* name;
        int style, tile;
        Rect rect;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {"style 1 stretches over the whole cell", 1, 3, {0, 0, 20, 30}, {"ball 1:3 0,0,20,30 copy"}},
        {"style 3 likewise", 3, 0, {5, 5, 65, 35}, {"ball 3:0 5,5,65,35 copy"}},
        {"style 4 in a tall cell: square centred vertically", 4, 3, {0, 0, 20, 30},
         {"ball 4:9 0,5,20,25 or", "ball 4:3 0,5,20,25 and"}},
        {"style 2 in a wide cell: square centred horizontally", 2, 8, {10, 5, 70, 45},
         {"ball 2:9 20,5,60,45 or", "ball 2:8 20,5,60,45 and"}},
        {"odd margin rounds towards the top", 4, 1, {0, 0, 20, 25},
         {"ball 4:9 0,2,20,22 or", "ball 4:1 0,2,20,22 and"}},
        {"style 0 draws nothing", 0, 1, {0, 0, 20, 20}, {}},
        {"style 5 draws nothing", 5, 1, {0, 0, 20, 20}, {}},
        {"the mask tile is not a picture", 4, 9, {0, 0, 20, 20}, {}},
        {"negative tile", 2, -1, {0, 0, 20, 20}, {}},
        {"empty rectangle", 1, 1, {10, 10, 10, 30}, {}},
    };
    for (const Case& c : cases) {
        RecordingSurface surface(100, 100);
        DrawBallPicture(surface, c.rect, c.style, c.tile);
        EXPECT_EQ(surface.log(), c.calls) << c.name;
    }
}
