#include <gtest/gtest.h>

#include <memory>

#include "platform/classes/TComponent.h"
#include "platform/classes/TypInfo.h"
#include "platform/core/Exceptions.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TPen.h"

namespace rt {
namespace {

// Counts OnChange notifications of a graphics object.
class TChangeCounter : public TObject {
    RT_CLASS(TChangeCounter, TObject)

public:
    void Changed(TObject* sender) {
        ++Count;
        LastSender = sender;
    }
    void Watch(TGraphicsObject& object) { object.OnChange = TNotifyEvent::Of<&TChangeCounter::Changed>(this); }

    int Count = 0;
    TObject* LastSender = nullptr;
};

TEST(FontTest, DefaultsOfANewFont) {
    TFont font;
    EXPECT_EQ(font.Name(), "Tahoma");
    EXPECT_EQ(font.Height(), -11);
    EXPECT_EQ(font.Size(), 8);
    EXPECT_EQ(font.Color(), clWindowText);
    EXPECT_EQ(font.Charset(), DEFAULT_CHARSET);
    EXPECT_TRUE(font.Style().Empty());
}

TEST(FontTest, SizeAndHeightAreLinkedAt96PixelsPerInch) {
    TFont font;
    font.SetSize(9);
    EXPECT_EQ(font.Height(), -12);
    font.SetSize(10);
    EXPECT_EQ(font.Height(), -13) << "10 pt = 13.33 px rounds to 13";
    font.SetHeight(-13);
    EXPECT_EQ(font.Size(), 10) << "13 px = 9.75 pt rounds to 10";
    font.SetHeight(-16);
    EXPECT_EQ(font.Size(), 12);
    font.SetHeight(13);
    EXPECT_EQ(font.Size(), -10) << "a positive (cell) height gives a negative size";
    EXPECT_EQ(font.PixelHeight(), 13);
}

TEST(FontTest, ChangeNotificationOncePerEffectiveChange) {
    TFont font;
    TChangeCounter counter;
    counter.Watch(font);
    font.SetName("宋体");
    font.SetName("宋体");
    EXPECT_EQ(counter.Count, 1) << "setting the same name again is no change";
    EXPECT_EQ(counter.LastSender, &font);
    font.SetStyle({fsBold, fsItalic});
    font.SetSize(8);
    EXPECT_EQ(counter.Count, 2) << "size 8 is the current height -11";

    TFont other;
    other.SetName("Arial");
    other.SetHeight(-20);
    other.SetColor(clRed);
    other.SetCharset(GB2312_CHARSET);
    font.Assign(&other);
    EXPECT_EQ(counter.Count, 3) << "Assign notifies once for all its changes";
    EXPECT_EQ(font.Name(), "Arial");
    EXPECT_EQ(font.Height(), -20);
    EXPECT_EQ(font.Color(), clRed);
    EXPECT_EQ(font.Charset(), GB2312_CHARSET);
    EXPECT_TRUE(font.Style().Empty()) << "the style is copied too";
}

TEST(FontTest, AssignFromAnotherKindIsRefusedUnchanged) {
    TFont font;
    TBrush brush;
    EXPECT_THROW(font.Assign(&brush), EConvertError);
    EXPECT_EQ(font.Name(), "Tahoma");
}

TEST(FontTest, PublishedPropertiesByName) {
    TFont font;
    SetStrProp(&font, "Name", "宋体");
    EXPECT_EQ(font.Name(), "宋体");
    SetSetProp(&font, "Style", "[fsBold,fsUnderline]");
    EXPECT_TRUE(font.Style().Contains(fsUnderline));
    EXPECT_EQ(GetSetProp(&font, "Style"), "[fsBold,fsUnderline]");
    SetOrdProp(&font, "Size", 12);
    EXPECT_EQ(GetOrdProp(&font, "Height"), -16);
    SetOrdProp(&font, "Charset", 134);
    EXPECT_EQ(font.Charset(), GB2312_CHARSET);
    EXPECT_EQ(GetEnumProp(&font, "Pitch"), "fpDefault");
    const TPropInfo* size = GetPropInfo(&font, "Size");
    ASSERT_NE(size, nullptr);
    EXPECT_FALSE(IsStoredProp(&font, *size)) << "only Height goes into resources";
}

// A label-like component owning a font, as controls publish theirs.
class TFontHolder : public TComponent {
    RT_CLASS(TFontHolder, TComponent)

public:
    explicit TFontHolder(TComponent* owner) : TComponent(owner) {}
    static void Publish(TPublisher<TFontHolder>& p) {
        p.Property("Font", &TFontHolder::GetFont, &TFontHolder::SetFont);
    }
    TFont* GetFont() const { return font_.get(); }
    void SetFont(TFont* font) { font_->Assign(font); }

private:
    std::unique_ptr<TFont> font_ = std::make_unique<TFont>();
};

TEST(FontTest, SubObjectPathsThroughTheOwningComponent) {
    TFontHolder holder(nullptr);
    SetPropText(&holder, "Font.Name", "Tahoma");
    SetPropText(&holder, "Font.Style", "[fsItalic]");
    SetPropText(&holder, "Font.Charset", "134");
    EXPECT_TRUE(holder.GetFont()->Style().Contains(fsItalic));
    EXPECT_EQ(GetPropText(&holder, "Font.Style"), "[fsItalic]");
    EXPECT_EQ(GetPropText(&holder, "Font.Charset"), "134");
    EXPECT_TRUE(HasProperty(&holder, "Font.Height"));
    EXPECT_FALSE(TrySetPropText(&holder, "Font.Style", "[fsBlink]")) << "an unknown style is refused";
    EXPECT_EQ(GetPropText(&holder, "Font.Style"), "[fsItalic]") << "and the style is unchanged";
    TFont other;
    other.SetName("宋体");
    SetObjectProp(&holder, "Font", &other);
    EXPECT_EQ(GetStrProp(&holder, "Font.Name"), "宋体") << "assigning a font copies it";
    EXPECT_NE(holder.GetFont(), &other);
}

TEST(BrushPenTest, DefaultsAndChanges) {
    TBrush brush;
    EXPECT_EQ(brush.Color(), clWhite);
    EXPECT_EQ(brush.Style(), bsSolid);
    brush.SetStyle(bsClear);
    brush.SetColor(clBtnFace);
    EXPECT_EQ(brush.Style(), bsSolid) << "choosing a colour makes a clear brush solid";
    SetEnumProp(&brush, "Style", "bsCross");
    EXPECT_EQ(brush.Style(), bsCross);

    TPen pen;
    TChangeCounter counter;
    counter.Watch(pen);
    pen.SetWidth(0);
    EXPECT_EQ(pen.Width(), 1) << "widths below 1 draw as 1";
    EXPECT_EQ(counter.Count, 0);
    pen.SetWidth(3);
    pen.SetStyle(psDot);
    EXPECT_EQ(counter.Count, 2);
    TPen copy;
    copy.Assign(&pen);
    EXPECT_EQ(copy.Width(), 3);
    EXPECT_EQ(copy.Style(), psDot);
}

}  // namespace
}  // namespace rt
