#pragma once
// An install folder with language packs for one test, and small component
// classes standing in for the toolkit's: a form root, a label, a combo box,
// a memo and a list view with columns, all reached by published properties.

#include "tests/platform/os/TempFolder.h"

#include "platform/classes/TCollection.h"
#include "platform/classes/TComponent.h"
#include "platform/classes/TStringList.h"
#include "platform/graphics/TFont.h"
#include "platform/os/Files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace hemr_test {

RT_ENUM(TLangTestAlign, taLeftJustify, taRightJustify, taCenter)

// The form root of the tests: the document element applies to it.
class TDataModule : public rt::TComponent {
    RT_CLASS(TDataModule, rt::TComponent)
public:
    using rt::TComponent::TComponent;
    static void Publish(rt::TPublisher<TDataModule>& p) { p.Property("Caption", &TDataModule::Caption); }
    std::string Caption = "设计";
};

class TLangLabel : public rt::TComponent {
    RT_CLASS(TLangLabel, rt::TComponent)
public:
    using rt::TComponent::TComponent;
    static void Publish(rt::TPublisher<TLangLabel>& p) {
        p.Property("Caption", &TLangLabel::Caption);
        p.Property("Hint", &TLangLabel::Hint);
        p.Property("Width", &TLangLabel::Width);
        p.Property("Visible", &TLangLabel::Visible);
        p.Property("Alignment", &TLangLabel::Alignment);
        p.Property("Color", &TLangLabel::Color);
        p.Property("Font", &TLangLabel::FontPtr);
    }
    rt::TFont* FontPtr() const { return font_.get(); }
    std::string Caption;
    std::string Hint;
    int32_t Width = 10;
    bool Visible = true;
    TLangTestAlign Alignment = taLeftJustify;
    int32_t Color = 0;

private:
    std::unique_ptr<rt::TFont> font_ = std::make_unique<rt::TFont>();
};

// Rewriting the items drops the selection, as a real combo box does.
class TCustomComboBox : public rt::TComponent {
    RT_CLASS(TCustomComboBox, rt::TComponent)
public:
    explicit TCustomComboBox(rt::TComponent* owner) : rt::TComponent(owner) {
        items_->OnChange = rt::TNotifyEvent::Of<&TCustomComboBox::ItemsChanged>(this);
    }
    static void Publish(rt::TPublisher<TCustomComboBox>& p) {
        p.Property("Items", &TCustomComboBox::Items);
        p.Property("ItemIndex", &TCustomComboBox::ItemIndex);
    }
    rt::TStringList* Items() const { return items_.get(); }
    int32_t ItemIndex = -1;

private:
    void ItemsChanged(rt::TObject*) { ItemIndex = -1; }
    std::unique_ptr<rt::TStringList> items_ = std::make_unique<rt::TStringList>();
};

class TLangMemo : public rt::TComponent {
    RT_CLASS(TLangMemo, rt::TComponent)
public:
    using rt::TComponent::TComponent;
    static void Publish(rt::TPublisher<TLangMemo>& p) { p.Property("Lines", &TLangMemo::Lines); }
    rt::TStringList* Lines() const { return lines_.get(); }

private:
    std::unique_ptr<rt::TStringList> lines_ = std::make_unique<rt::TStringList>();
};

class TLangColumn : public rt::TCollectionItem {
    RT_CLASS(TLangColumn, rt::TCollectionItem)
public:
    using rt::TCollectionItem::TCollectionItem;
    static void Publish(rt::TPublisher<TLangColumn>& p) {
        p.Property("Caption", &TLangColumn::Caption);
        p.Property("Width", &TLangColumn::Width);
    }
    std::string Caption;
    int32_t Width = 50;
};

class TCustomListView : public rt::TComponent {
    RT_CLASS(TCustomListView, rt::TComponent)
public:
    using rt::TComponent::TComponent;
    static void Publish(rt::TPublisher<TCustomListView>& p) {
        p.Property("Columns", &TCustomListView::Columns);
        p.Property("Caption", &TCustomListView::Caption);
    }
    rt::TCollection* Columns() const { return columns_.get(); }
    TLangColumn* Column(int i) const { return static_cast<TLangColumn*>(columns_->Items(i)); }
    std::string Caption;

private:
    std::unique_ptr<rt::TCollection> columns_ = std::make_unique<rt::TCollection>(TLangColumn::StaticClass());
};

template <class T>
T* Make(rt::TComponent* owner, const std::string& name) {
    auto* c = new T(owner);
    c->SetName(name);
    return c;
}

// ClientPath and ServerPath in a registry file of the test's own, KestrelC.ini
// and KestrelS.ini naming the interface code pages.
class LangHome : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(temp_.Path().empty()) << "a temporary folder is needed";
        std::filesystem::create_directories(Client());
        std::filesystem::create_directories(Server());
        const std::string reg = temp_.Write(
            "nvr.reg", "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\NVR\\Kestrel]\r\n\"ClientPath\"=\"" + Client() +
                           "\"\r\n\"ServerPath\"=\"" + Server() + "\"\r\n");
        env_ = std::make_unique<rt::test::ScopedEnv>("NVR_REGISTRY", reg.c_str());
        UseCodePages("936", "936");
    }

    void UseCodePages(const std::string& client, const std::string& server) {
        WriteFile(Client() + "KestrelC.ini", "[CodePage]\r\nUICodePage=" + client + "\r\n");
        WriteFile(Server() + "KestrelS.ini", "[CodePage]\r\nUICodePage=" + server + "\r\n");
    }

    std::string Client() const { return temp_.Path() + "/client/"; }
    std::string Server() const { return temp_.Path() + "/server/"; }
    std::string LangDir(const std::string& home, const std::string& code) const {
        return home + "MultiLanguage/" + code + "/";
    }

    // Writes a pack into the client's language folder of `code`, creating it.
    std::string WritePack(const std::string& code, const std::string& package, const std::string& xml) {
        const std::string folder = LangDir(Client(), code);
        std::filesystem::create_directories(folder);
        WriteFile(folder + package + ".Lng", xml);
        return folder + package + ".Lng";
    }

    static void WriteFile(const std::string& name, const std::string& bytes) {
        std::ofstream(name, std::ios::binary) << bytes;
    }

    rt::test::TempFolder temp_;
    std::unique_ptr<rt::test::ScopedEnv> env_;
};

}  // namespace hemr_test
