// The page's elements keep clear of each other: answers move to the nearest
// free place, the fact box gives way.
#include <gtest/gtest.h>

#include <vector>

#include "text/page_regions.h"

namespace {

class PageRegionsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        clear_page_regions();
        page_regions.repaint_ground = [](const PageRect& r) { repainted().push_back(r); };
        repainted().clear();
    }
    void TearDown() override
    {
        clear_page_regions();
        page_regions.repaint_ground = nullptr;
    }
    static std::vector<PageRect>& repainted()
    {
        static std::vector<PageRect> rects;
        return rects;
    }
};

bool same(const PageRect& a, const PageRect& b)
{
    return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2;
}

TEST_F(PageRegionsTest, APlaceStaysWhereFreeAndMovesTheLeastWhereNot)
{
    const PageRect answer{250, 100, 400, 120};
    EXPECT_TRUE(same(*nearest_free_place(answer), answer));

    occupy_page_region(PageElement::statement, {155, 20, 565, 108});
    const auto moved = nearest_free_place(answer);
    ASSERT_TRUE(moved);
    // Nine pixels down clear the statement's last row; steps are of five.
    EXPECT_TRUE(same(*moved, {250, 110, 400, 130}));
    EXPECT_TRUE(page_place_free(*moved));

    // A place that leaves the problem area is no place.
    occupy_page_region(PageElement::figure, {149, 109, 594, 295});
    EXPECT_FALSE(nearest_free_place(answer));
}

TEST_F(PageRegionsTest, TheFactBoxGivesWayToWhatIsDrawnOverIt)
{
    const PageRect fact{160, 180, 460, 256};
    occupy_page_region(PageElement::fact, fact);
    // It does not count as taken...
    EXPECT_TRUE(page_place_free({200, 200, 300, 220}));
    EXPECT_TRUE(repainted().empty());
    // ...and is erased when something is drawn over it, once.
    occupy_page_region(PageElement::figure, {165, 110, 410, 287});
    ASSERT_EQ(repainted().size(), 1u);
    EXPECT_TRUE(same(repainted()[0], fact));
    occupy_page_region(PageElement::answer, {200, 200, 300, 220});
    EXPECT_EQ(repainted().size(), 1u);
    EXPECT_EQ(page_regions.regions.size(), 2u);
}

TEST_F(PageRegionsTest, ABoxWithoutBorderKeepsAPixelOfPageBelowAndRightOfAStatementsShadow)
{
    // The statement ends at row 108 and column 400; its shadow at 112 and 404.
    occupy_page_region(PageElement::statement, {155, 20, 400, 108});
    occupy_page_region(PageElement::figure, {450, 150, 500, 200});
    struct Case {
        PageRect box;
        bool bordered_free, unbordered_free;
    };
    for (const auto& [box, bordered_free, unbordered_free] : {
             Case{{200, 108, 300, 150}, false, false},  // on the statement
             Case{{200, 112, 300, 150}, true, false},   // on its shadow
             Case{{200, 113, 300, 150}, true, false},   // against it
             Case{{200, 114, 300, 150}, true, true},
             Case{{405, 30, 440, 60}, true, false},  // against its shadow on the right
             Case{{406, 30, 440, 60}, true, true}, Case{{300, 201, 449, 240}, true, true},  // a figure casts no shadow
         }) {
        EXPECT_EQ(page_place_free(box), bordered_free) << box.x1 << "," << box.y1;
        EXPECT_EQ(unbordered_place_free(box), unbordered_free) << box.x1 << "," << box.y1;
    }
}

}  // namespace
