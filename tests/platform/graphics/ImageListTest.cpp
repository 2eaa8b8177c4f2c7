#include <gtest/gtest.h>

#include <memory>

#include "platform/classes/ClassRegistry.h"
#include "platform/classes/TFiler.h"
#include "platform/classes/TypInfo.h"
#include "platform/core/Exceptions.h"
#include "platform/forms/ToolkitClasses.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TImageList.h"

namespace rt {
namespace {

// A strip of `count` 4 x 4 pictures on a fuchsia background, picture i having
// a 2 x 2 square of colour RGB(i*10, 0, 0) + 1 at (1, 1).
std::unique_ptr<TBitmap> MakeStrip(int count) {
    auto strip = std::make_unique<TBitmap>(4 * count, 4);
    strip->Fill(clFuchsia);
    for (int i = 0; i < count; ++i) {
        strip->Canvas()->Brush()->SetColor(RGB(i * 10 + 1, 0, 0));
        strip->Canvas()->FillRect(Bounds(i * 4 + 1, 1, 2, 2));
    }
    return strip;
}

class ImageListTest : public ::testing::Test {
protected:
    TImageList list{nullptr};
    void SetUp() override {
        list.SetWidth(4);
        list.SetHeight(4);
    }
};

TEST_F(ImageListTest, DefaultsAndSizeChangesEmptyTheList) {
    TImageList fresh(nullptr);
    EXPECT_EQ(fresh.Width(), 16);
    EXPECT_EQ(fresh.Height(), 16);
    list.AddMasked(*MakeStrip(2), clDefault);
    EXPECT_EQ(list.Count(), 2);
    list.SetWidth(8);
    EXPECT_EQ(list.Count(), 0) << "pictures of the old size are dropped";
    EXPECT_THROW(list.SetHeight(0), EInvalidOperation);
    EXPECT_EQ(list.Height(), 4);
}

TEST_F(ImageListTest, StripsAreCutIntoPictures) {
    EXPECT_EQ(list.AddMasked(*MakeStrip(3), clFuchsia), 0);
    EXPECT_EQ(list.AddMasked(*MakeStrip(2), clDefault), 3) << "the index of the first added picture";
    EXPECT_EQ(list.Count(), 5);
    TBitmap third;
    list.GetBitmap(2, third);
    EXPECT_EQ(third.Width(), 4);
    EXPECT_EQ(third.GetPixel(1, 1), RGB(21, 0, 0));
    EXPECT_EQ(third.GetPixel(0, 0), clFuchsia);
    TBitmap mask;
    list.GetMask(2, mask);
    EXPECT_EQ(mask.RawPixel(0, 0), 1) << "background transparent";
    EXPECT_EQ(mask.RawPixel(2, 2), 0);
    TBitmap narrow(3, 4);
    EXPECT_EQ(list.Add(narrow, nullptr), -1) << "a strip narrower than a picture adds nothing";
    EXPECT_THROW(list.GetBitmap(5, third), EInvalidOperation);
}

TEST_F(ImageListTest, DrawLeavesMaskedPixelsAndDeleteShifts) {
    list.AddMasked(*MakeStrip(2), clDefault);
    TBitmap target(10, 10);
    target.Fill(clSilver);
    list.Draw(*target.Canvas(), 2, 2, 1);
    EXPECT_EQ(target.GetPixel(2, 2), clSilver) << "transparent background";
    EXPECT_EQ(target.GetPixel(3, 3), RGB(11, 0, 0));
    list.Draw(*target.Canvas(), 5, 5, 0, TImageState::Disabled);
    EXPECT_EQ(target.GetPixel(6, 6), ColorToRGB(clBtnShadow));
    EXPECT_EQ(target.GetPixel(8, 8), ColorToRGB(clBtnHighlight)) << "the highlight one pixel down-right";
    list.Delete(0);
    EXPECT_EQ(list.Count(), 1);
    TBitmap first;
    list.GetBitmap(0, first);
    EXPECT_EQ(first.GetPixel(1, 1), RGB(11, 0, 0));
    EXPECT_THROW(list.Delete(3), EInvalidOperation);
}

class TCaptureFiler : public TFiler {
public:
    void DefineProperty(const std::string&, ReadProc, WriteProc, bool) override {}
    void DefineBinaryProperty(const std::string& name, BinaryReadProc read, BinaryWriteProc write,
                              bool hasData) override {
        if (name != "Bitmap") return;
        HasData = hasData;
        Read = std::move(read);
        Write = std::move(write);
    }
    bool HasData = false;
    BinaryReadProc Read;
    BinaryWriteProc Write;
};

TEST_F(ImageListTest, StreamsPicturesAsBinaryData) {
    list.AddMasked(*MakeStrip(2), clDefault);
    TCaptureFiler writer;
    list.DefineProperties(writer);
    ASSERT_TRUE(writer.HasData);
    std::vector<uint8_t> data;
    writer.Write(data);

    TImageList loaded(nullptr);
    TCaptureFiler reader;
    loaded.DefineProperties(reader);
    EXPECT_FALSE(reader.HasData);
    reader.Read(data);
    EXPECT_EQ(loaded.Width(), 4);
    ASSERT_EQ(loaded.Count(), 2);
    TBitmap second;
    loaded.GetBitmap(1, second);
    EXPECT_EQ(second.GetPixel(2, 2), RGB(11, 0, 0));

    std::vector<uint8_t> cut(data.begin(), data.end() - 5);
    EXPECT_THROW(reader.Read(cut), EReadError);
    EXPECT_EQ(loaded.Count(), 2) << "bad data leaves the list as it was";
}

TEST(GraphicsRegistrationTest, ClassesAreCreatableByName) {
    RegisterToolkitClasses();
    RegisterToolkitClasses();  // a second load changes nothing
    ASSERT_EQ(GetClass("TImageList"), TImageList::StaticClass());
    TComponent owner(nullptr);
    TObject* created = FindClass("timagelist")->CreateInstance(&owner);
    EXPECT_EQ(created->ClassName(), "TImageList");
    EXPECT_EQ(static_cast<TComponent*>(created)->Owner(), &owner);
    EXPECT_EQ(GetOrdProp(created, "Width"), 16);
    std::unique_ptr<TObject> font(FindClass("TFont")->CreateInstance());
    EXPECT_TRUE(font->InheritsFrom(TGraphicsObject::StaticClass()));
}

}  // namespace
}  // namespace rt
