#include <gtest/gtest.h>

#include "platform/controls/TWinControl.h"
#include "platform/extctrls/TSplitter.h"

namespace rt {
namespace {

class SplitterTest : public ::testing::Test {
protected:
    SplitterTest() : form_(nullptr) {
        form_.SetBounds(0, 0, 300, 200);
        left_ = new TWinControl(&form_);
        left_->SetParent(&form_);
        left_->SetWidth(100);
        left_->SetAlign(alLeft);
        splitter_ = new TSplitter(&form_);
        splitter_->SetParent(&form_);
        splitter_->SetLeft(150);  // placed right of the panel by the alignment
        auto* client = new TWinControl(&form_);
        client->SetParent(&form_);
        client->SetAlign(alClient);
    }
    TWinControl form_;
    TWinControl* left_;
    TSplitter* splitter_;
};

TEST_F(SplitterTest, DraggingResizesTheNeighbourWithinMinSize) {
    ASSERT_EQ(splitter_->Left(), 100) << "aligned against the panel";
    EXPECT_EQ(splitter_->FindControl(), left_);
    splitter_->Perform(WM_LBUTTONDOWN, 0, PointToLParam(1, 10));
    splitter_->Perform(WM_MOUSEMOVE, 0, PointToLParam(41, 10));
    splitter_->Perform(WM_LBUTTONUP, 0, PointToLParam(41, 10));
    EXPECT_EQ(left_->Width(), 140);
    EXPECT_EQ(splitter_->Left(), 140) << "the splitter follows its neighbour";

    splitter_->MoveBy(-500);
    EXPECT_EQ(left_->Width(), 30) << "never below MinSize";
    splitter_->MoveBy(1000);
    EXPECT_EQ(left_->Width(), 300 - 3 - 30) << "the client side keeps MinSize";
}

}  // namespace
}  // namespace rt
