#include "framework/property_record.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

using namespace fw;

namespace {

// The design record of the first team popup, in full.
constexpr RecordRow kPopupMenu1[] = {
    S("Name", "PopupMenu1"), I("Index", kNoIndex), I("Left", 23), I("Top", 47), I("Width", 80), I("Height", 20),
    B("LockLeft", true), B("LockTop", true), B("LockRight", false), B("LockBottom", false), I("TabPanelIndex", 0),
    I("TabIndex", 0), B("TabStop", true), B("Enabled", true), S("InitialValue", ""), I("ListIndex", 0),
    B("Visible", true), S("HelpTag", ""), B("AutoDeactivate", true), S("TextFont", "System"), B("Bold", false),
    B("Italic", false), B("Underline", false), S("DataSource", ""), S("DataField", ""), S("InitialParent", ""),
};

constexpr RecordRow kMainWindow[] = {
    I("Placement", 0), I("Width", 850), I("Height", 650), I("MinWidth", 64), I("MinHeight", 64),
    I("MaxWidth", 32000), I("MaxHeight", 32000), I("Frame", 0), B("Composite", false), B("HasBackColor", false),
    C("BackColor", 0xFFFFFF), S("Title", "So You Want A Vantoro?"), B("Visible", true), B("FullScreen", false),
    B("MenuBarVisible", true), B("CloseButton", false), B("Resizeable", false), B("LiveResize", false),
    B("MaximizeButton", false), B("MinimizeButton", true), I("MacProcID", 0),
};

constexpr RecordRow kTimers[] = {I("Mode", 0), I("Period", 500)};

constexpr auto kPopupMenu1Bytes = encodeRecord<kPopupMenu1>();
constexpr auto kMainWindowBytes = encodeRecord<kMainWindow>();
constexpr auto kTimersBytes = encodeRecord<kTimers>();

static_assert(kPopupMenu1Bytes.size() == 317);
static_assert(kMainWindowBytes.size() == 289);
static_assert(kTimersBytes.size() == 20);

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out += static_cast<char>(v);
    return out;
}

FormLookup testForms() {
    static const std::map<std::string, Form, std::less<>> forms = {
        {"Name", Form::String},        {"Index", Form::Int32},         {"Left", Form::Int32},
        {"Top", Form::Int32},          {"Width", Form::Int32},         {"Height", Form::Int32},
        {"LockLeft", Form::Boolean},   {"LockTop", Form::Boolean},     {"LockRight", Form::Boolean},
        {"LockBottom", Form::Boolean}, {"TabPanelIndex", Form::Int32}, {"TabIndex", Form::Int32},
        {"TabStop", Form::Boolean},    {"Enabled", Form::Boolean},     {"InitialValue", Form::String},
        {"ListIndex", Form::Int32},    {"Visible", Form::Boolean},     {"HelpTag", Form::String},
        {"AutoDeactivate", Form::Boolean}, {"TextFont", Form::String}, {"Bold", Form::Boolean},
        {"Italic", Form::Boolean},     {"Underline", Form::Boolean},   {"DataSource", Form::String},
        {"DataField", Form::String},   {"InitialParent", Form::String}, {"BorderColor", Form::Color},
        {"HeadingIndex", Form::Int32}, {"Mode", Form::Int32},          {"Period", Form::Int32},
    };
    return [](std::string_view key) -> std::optional<Form> {
        const auto it = forms.find(key);
        if (it == forms.end()) return std::nullopt;
        return it->second;
    };
}

} // namespace

TEST(PropertyRecordEncode, PopupMenu1StartsWithTheDocumentedBytes) {
    const std::string_view record = asView(kPopupMenu1Bytes);
    const std::string head = bytes({0x4E, 0x61, 0x6D, 0x65, 0x20, 0x00, 0x00, 0x00, 0x0A, 0x50, 0x6F, 0x70, 0x75,
                                    0x70, 0x4D, 0x65, 0x6E, 0x75, 0x31, 0x49, 0x6E, 0x64, 0x65, 0x78, 0x20, 0x80,
                                    0x00, 0x00, 0x00, 0x4C, 0x65, 0x66, 0x74, 0x20, 0x00, 0x00, 0x00, 0x17});
    EXPECT_EQ(record.substr(0, head.size()), head);
    const std::string lockLeft = bytes({0x4C, 0x6F, 0x63, 0x6B, 0x4C, 0x65, 0x66, 0x74, 0x20, 0x01});
    EXPECT_NE(record.find(lockLeft), std::string_view::npos);
}

TEST(PropertyRecordEncode, TimersRecordBytes) {
    EXPECT_EQ(asView(kTimersBytes), bytes({'M', 'o', 'd', 'e', ' ', 0, 0, 0, 0, 'P', 'e', 'r', 'i', 'o', 'd', ' ', 0,
                                           0, 0x01, 0xF4}));
}

TEST(PropertyRecordDecode, PopupMenu1RoundTrip) {
    const std::string_view record = asView(kPopupMenu1Bytes);
    const DecodeResult r = decodeRecord(record, testForms());
    ASSERT_TRUE(r.complete) << r.error;
    EXPECT_TRUE(r.error.empty());
    ASSERT_EQ(r.entries.size(), 26u);
    EXPECT_EQ(r.entries[0].key, "Name");
    EXPECT_EQ(std::get<std::string>(r.entries[0].value), "PopupMenu1");
    EXPECT_EQ(std::get<std::int32_t>(r.entries[1].value), -2147483647 - 1);
    EXPECT_EQ(std::get<std::int32_t>(r.entries[2].value), 23);
    EXPECT_EQ(std::get<std::int32_t>(r.entries[3].value), 47);
    EXPECT_TRUE(std::get<bool>(r.entries[6].value));
    EXPECT_FALSE(std::get<bool>(r.entries[8].value));
    EXPECT_EQ(std::get<std::string>(r.entries[14].value), "");
    EXPECT_EQ(std::get<std::string>(r.entries[19].value), "System");
    EXPECT_EQ(r.entries[25].key, "InitialParent");
    EXPECT_EQ(encodeEntries(r.entries), record);
}

TEST(PropertyRecordDecode, WindowRecordRoundTrip) {
    const FormLookup windowForms = [](std::string_view key) -> std::optional<Form> {
        for (const RecordRow& row : kMainWindow)
            if (row.key == key) return row.form;
        return std::nullopt;
    };
    const DecodeResult r = decodeRecord(asView(kMainWindowBytes), windowForms);
    ASSERT_TRUE(r.complete) << r.error;
    ASSERT_EQ(r.entries.size(), 21u);
    EXPECT_EQ(std::get<Color>(r.entries[10].value), (Color{255, 255, 255}));
    EXPECT_EQ(std::get<std::string>(r.entries[11].value), "So You Want A Vantoro?");
    EXPECT_EQ(encodeEntries(r.entries), asView(kMainWindowBytes));
}

TEST(PropertyRecordDecode, ValueForms) {
    const FormLookup forms = testForms();
    const DecodeResult r = decodeRecord(bytes({'I', 'n', 'd', 'e', 'x', ' ', 0x80, 0, 0, 0,                      //
                                               'H', 'e', 'a', 'd', 'i', 'n', 'g', 'I', 'n', 'd', 'e', 'x', ' ', //
                                               0xFF, 0xFF, 0xFF, 0xFF,                                          //
                                               'B', 'o', 'r', 'd', 'e', 'r', 'C', 'o', 'l', 'o', 'r', ' ', 0xFF, 0x80, 0x00,
                                               'H', 'e', 'l', 'p', 'T', 'a', 'g', ' ', 0, 0, 0, 0, //
                                               'B', 'o', 'l', 'd', ' ', 0x02}),
                                        forms);
    ASSERT_TRUE(r.complete) << r.error;
    ASSERT_EQ(r.entries.size(), 5u);
    EXPECT_EQ(std::get<std::int32_t>(r.entries[0].value), -2147483647 - 1);
    EXPECT_EQ(std::get<std::int32_t>(r.entries[1].value), -1);
    EXPECT_EQ(std::get<Color>(r.entries[2].value), (Color{255, 128, 0}));
    EXPECT_EQ(std::get<Color>(r.entries[2].value).rgb(), 0xFF8000u);
    EXPECT_EQ(std::get<std::string>(r.entries[3].value), "");
    EXPECT_TRUE(std::get<bool>(r.entries[4].value));
}

TEST(PropertyRecordDecode, EmptyRecordIsComplete) {
    const DecodeResult r = decodeRecord("", testForms());
    EXPECT_TRUE(r.complete);
    EXPECT_TRUE(r.entries.empty());
    EXPECT_TRUE(r.error.empty());
}

TEST(PropertyRecordDecode, MalformedRecordsStopAndKeepEarlierEntries) {
    const FormLookup forms = testForms();
    const std::string good = bytes({'L', 'e', 'f', 't', ' ', 0, 0, 0, 23});
    struct Case {
        const char* what;
        std::string tail;
    };
    const Case cases[] = {
        {"key without blank", "Name"},
        {"empty key", bytes({' ', 0, 0, 0, 1})},
        {"unknown key", bytes({'Z', 'o', 'o', 'm', ' ', 0, 0, 0, 1})},
        {"Int32 cut short", bytes({'T', 'o', 'p', ' ', 0, 0, 47})},
        {"Boolean missing", "Bold "},
        {"Color cut short", bytes({'B', 'o', 'r', 'd', 'e', 'r', 'C', 'o', 'l', 'o', 'r', ' ', 0xFF, 0x80})},
        {"length cut short", bytes({'N', 'a', 'm', 'e', ' ', 0, 0})},
        {"text beyond the record", bytes({'N', 'a', 'm', 'e', ' ', 0, 0, 0, 5, 'a', 'b', 'c'})},
        {"absurd length", bytes({'N', 'a', 'm', 'e', ' ', 0xFF, 0xFF, 0xFF, 0xFF, 'a'})},
    };
    for (const Case& c : cases) {
        const DecodeResult r = decodeRecord(good + c.tail, forms);
        EXPECT_FALSE(r.complete) << c.what;
        EXPECT_FALSE(r.error.empty()) << c.what;
        ASSERT_EQ(r.entries.size(), 1u) << c.what;
        EXPECT_EQ(r.entries[0].key, "Left") << c.what;
        EXPECT_EQ(std::get<std::int32_t>(r.entries[0].value), 23) << c.what;
    }
}

TEST(PropertyRecordDecode, WithoutLookupNothingIsRead) {
    const DecodeResult r = decodeRecord(asView(kTimersBytes), FormLookup{});
    EXPECT_FALSE(r.complete);
    EXPECT_TRUE(r.entries.empty());
}
