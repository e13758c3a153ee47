// Reads the resources back out of the built velmaro.exe, which lies beside
// this test executable.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>
#include <utility>

namespace {

std::wstring ExePath() {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    return path.substr(0, path.find_last_of(L"\\/") + 1) + VELMARO_EXE_NAME;
}

class ExeResources : public testing::Test {
protected:
    void SetUp() override {
        module_ = LoadLibraryExW(ExePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module_, nullptr) << "cannot open velmaro.exe";
    }
    void TearDown() override {
        if (module_) FreeLibrary(module_);
    }

    std::string Resource(LPCWSTR type, LPCWSTR name) {
        HRSRC info = FindResourceW(module_, name, type);
        if (!info) return {};
        HGLOBAL data = LoadResource(module_, info);
        const char* bytes = static_cast<const char*>(LockResource(data));
        return bytes ? std::string(bytes, SizeofResource(module_, info)) : std::string();
    }

    HMODULE module_ = nullptr;
};

#pragma pack(push, 2)
struct GroupIconHeader {
    WORD reserved;
    WORD type;
    WORD count;
};
struct GroupIconEntry {
    BYTE width;
    BYTE height;
    BYTE colours;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

TEST_F(ExeResources, IconGroup101HoldsTheTenImages) {
    const std::string group = Resource(RT_GROUP_ICON, MAKEINTRESOURCEW(101));
    ASSERT_GE(group.size(), sizeof(GroupIconHeader));
    const auto* header = reinterpret_cast<const GroupIconHeader*>(group.data());
    EXPECT_EQ(header->type, 1);
    ASSERT_EQ(header->count, 10);
    ASSERT_EQ(group.size(), sizeof(GroupIconHeader) + 10 * sizeof(GroupIconEntry));
    const auto* entries = reinterpret_cast<const GroupIconEntry*>(group.data() + sizeof(GroupIconHeader));

    std::set<std::pair<int, int>> images;
    for (int i = 0; i < 10; ++i) {
        const int size = entries[i].width == 0 ? 256 : entries[i].width;
        images.insert({size, entries[i].bitCount});
        // Every image of the group is really there.
        EXPECT_EQ(Resource(RT_ICON, MAKEINTRESOURCEW(entries[i].id)).size(), entries[i].bytes);
    }
    const std::set<std::pair<int, int>> expected = {{16, 4}, {16, 8}, {16, 32}, {32, 4}, {32, 8},
                                                    {32, 32}, {48, 4}, {48, 8}, {48, 32}, {128, 32}};
    EXPECT_EQ(images, expected);

    HICON icon = static_cast<HICON>(LoadImageW(module_, MAKEINTRESOURCEW(101), IMAGE_ICON, 32, 32, 0));
    EXPECT_NE(icon, nullptr);
    if (icon) DestroyIcon(icon);
}

TEST_F(ExeResources, ManifestNamesTheAssemblyCommonControlsAndDpiAwareness) {
    const std::string manifest = Resource(RT_MANIFEST, MAKEINTRESOURCEW(1));
    ASSERT_FALSE(manifest.empty());
    EXPECT_NE(manifest.find("name=\"Velmaro.Player\""), std::string::npos);
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(manifest.find(">true/pm</dpiAware>"), std::string::npos);
    EXPECT_NE(manifest.find(">PerMonitorV2</dpiAwareness>"), std::string::npos);
}

TEST_F(ExeResources, VersionRecordSays213) {
    const std::string record = Resource(RT_VERSION, MAKEINTRESOURCEW(VS_VERSION_INFO));
    ASSERT_FALSE(record.empty());
    // VerQueryValue wants a writable copy of the record.
    std::string copy = record;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(copy.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, (2u << 16) | 1u);
    EXPECT_EQ(fixed->dwFileVersionLS, 3u << 16);
    EXPECT_EQ(fixed->dwProductVersionMS, (2u << 16) | 1u);
    EXPECT_EQ(fixed->dwProductVersionLS, 3u << 16);

    wchar_t* text = nullptr;
    ASSERT_TRUE(VerQueryValueW(copy.data(), L"\\StringFileInfo\\080404b0\\ProductVersion",
                               reinterpret_cast<void**>(&text), &length));
    EXPECT_EQ(std::wstring(text), L"2.1.3");
}

TEST(TestEnvironment, WineRunsUnderTheChineseCodePage) {
    // The operators' machines use code page 936; the test prefix must match.
    EXPECT_EQ(GetACP(), 936u);
}

}  // namespace
