// The help file of a fresh installation: the compiled help that the editor's Help button opens,
// with the topic the button names and a topic for every tab, in English and in Korean. Topics are
// read through the its: protocol, the way the help viewer resolves "file.chm::/topic".
#include "sim/common/sim_state.h"
#include "tools/driver/driver.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <urlmon.h>

#include <fstream>
#include <string>

namespace {

constexpr char kMainTopic[] = "OvantaMain.htm";

// Every tab's topic, in the editor's tab order, with the tab's title in both languages.
struct TabTopic {
    const char* file;
    const char* english;
    const char* korean;
};
constexpr TabTopic kTabTopics[] = {
    {"StartList.htm", "Start list", u8"시작 목록"},
    {"AutoConnect.htm", "Auto connect", u8"자동 연결"},
    {"DefaultCard.htm", "Default cards", u8"기본 카드"},
    {"TrustedRoots.htm", "Root certificates", u8"루트 인증서"},
    {"GeneralOptions.htm", "General", u8"일반"},
    {"WindowsLogon.htm", "Windows logon", u8"Windows 로그온"},
    {"FirewallPolicy.htm", "Firewall policy", u8"방화벽 정책"},
    {"WiredWirelessSwitch.htm", "Wired/wireless", u8"유무선 전환"},
    {"StartUpAuthentication.htm", "Start-up authentication", u8"시작 시 인증"},
};

std::string HelpPath() {
    return std::string(sim::kInstallDir) + "\\OvaHelp.chm";
}

// Gathers what a binding delivers. URLOpenStreamA is synchronous and lets go of the callback
// before it returns, so the callback lives on its caller's stack and counts references only.
class TopicReader : public IBindStatusCallback {
public:
    const std::string& Text() const { return m_text; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (iid == IID_IUnknown || iid == IID_IBindStatusCallback) {
            *object = static_cast<IBindStatusCallback*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_references; }
    ULONG STDMETHODCALLTYPE Release() override { return --m_references; }

    HRESULT STDMETHODCALLTYPE OnStartBinding(DWORD, IBinding*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetPriority(LONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnLowResource(DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnProgress(ULONG, ULONG, ULONG, LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnStopBinding(HRESULT, LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetBindInfo(DWORD* flags, BINDINFO*) override {
        // Always the file as it is now, never an earlier copy from a cache.
        *flags = BINDF_GETNEWESTVERSION | BINDF_NOWRITECACHE;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnDataAvailable(DWORD, DWORD, FORMATETC*,
                                              STGMEDIUM* medium) override {
        if (!medium || medium->tymed != TYMED_ISTREAM || !medium->pstm) return S_OK;
        char buffer[1024];
        ULONG read = 0;
        // The stream ends the data available so far with S_FALSE or a short read of nothing.
        while (SUCCEEDED(medium->pstm->Read(buffer, sizeof(buffer), &read)) && read > 0)
            m_text.append(buffer, read);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnObjectAvailable(REFIID, IUnknown*) override { return S_OK; }

private:
    ULONG m_references = 1;
    std::string m_text;
};

struct Topic {
    HRESULT result;
    std::string text;
};

// TOPIC of the installed help file, as "its:<file>::/<topic>" names it.
Topic ReadTopic(const std::string& topic) {
    TopicReader reader;
    const std::string url = "its:" + HelpPath() + "::/" + topic;
    const HRESULT result = ::URLOpenStreamA(nullptr, url.c_str(), 0, &reader);
    return {result, reader.Text()};
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class SimHelpTest : public ::testing::Test {
protected:
    // One fresh installation for all cases: nothing here changes it.
    static void SetUpTestSuite() {
        s_resetExit = driver::Run("\"" + driver::OwnFolder() + "\\ovasim.exe\" reset");
        s_comReady = SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    }
    static void TearDownTestSuite() {
        if (s_comReady) ::CoUninitialize();
    }

    void SetUp() override {
        ASSERT_EQ(s_resetExit, 0) << "ovasim reset failed";
        ASSERT_TRUE(s_comReady);
    }

    static int s_resetExit;
    static bool s_comReady;
};

int SimHelpTest::s_resetExit = -1;
bool SimHelpTest::s_comReady = false;

TEST_F(SimHelpTest, TheInstallationHoldsACompiledHelpFile) {
    const DWORD attributes = ::GetFileAttributesA(HelpPath().c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);

    std::ifstream file(HelpPath(), std::ios::binary);
    char signature[4] = {};
    ASSERT_TRUE(file.read(signature, sizeof(signature)));
    EXPECT_EQ(std::string(signature, sizeof(signature)), "ITSF");
}

TEST_F(SimHelpTest, TheTopicOfTheHelpButtonOpens) {
    const Topic main = ReadTopic(kMainTopic);
    ASSERT_EQ(main.result, S_OK);
    EXPECT_TRUE(Contains(main.text, "<title>Ovanta Settings</title>"));
    EXPECT_TRUE(Contains(main.text, "OvaSettings"));
    // The editor opens this one topic in either language, so it carries both, headed by the
    // editor's window title.
    EXPECT_TRUE(Contains(main.text, "<h1><a name=\"en\">Ovanta Settings</a>"));
    EXPECT_TRUE(Contains(main.text, u8"<h1><a name=\"ko\">Ovanta 환경 설정</a>"));
}

TEST_F(SimHelpTest, ATopicTheFileDoesNotHoldIsNotFound) {
    const Topic missing = ReadTopic("NoSuchTopic.htm");
    EXPECT_TRUE(FAILED(missing.result));
    EXPECT_TRUE(missing.text.empty());
}

TEST_F(SimHelpTest, TheMainTopicLinksEveryTabsTopicAndEachLinksBack) {
    const Topic main = ReadTopic(kMainTopic);
    ASSERT_EQ(main.result, S_OK);
    for (const TabTopic& tab : kTabTopics) {
        SCOPED_TRACE(tab.file);
        EXPECT_TRUE(Contains(main.text, std::string("href=\"") + tab.file + "\""));
        EXPECT_TRUE(Contains(main.text, std::string("href=\"") + tab.file + "#ko\""));

        const Topic page = ReadTopic(tab.file);
        ASSERT_EQ(page.result, S_OK);
        EXPECT_TRUE(Contains(page.text, "href=\"OvantaMain.htm\""));
        EXPECT_TRUE(Contains(page.text, "href=\"OvantaMain.htm#ko\""));
    }
}

TEST_F(SimHelpTest, EveryTabsTopicIsTitledAsItsTabInBothLanguages) {
    for (const TabTopic& tab : kTabTopics) {
        SCOPED_TRACE(tab.file);
        const Topic page = ReadTopic(tab.file);
        ASSERT_EQ(page.result, S_OK);
        // The Korean text reaches the viewer only when the page names its encoding.
        EXPECT_TRUE(Contains(page.text, "charset=utf-8"));
        EXPECT_TRUE(Contains(page.text, std::string("<title>") + tab.english + "</title>"));
        EXPECT_TRUE(Contains(page.text, std::string("<h1><a name=\"en\">") + tab.english + "</a>"));
        EXPECT_TRUE(Contains(page.text, std::string("<h1><a name=\"ko\">") + tab.korean + "</a>"));
    }
}

TEST_F(SimHelpTest, TheContentsListTheTopicsInTheEditorsTabOrder) {
    const Topic contents = ReadTopic("OvaHelp.hhc");
    ASSERT_EQ(contents.result, S_OK);
    std::size_t previous = contents.text.find(std::string("\"") + kMainTopic + "\"");
    ASSERT_NE(previous, std::string::npos);
    for (const TabTopic& tab : kTabTopics) {
        SCOPED_TRACE(tab.file);
        const std::size_t at = contents.text.find(std::string("\"") + tab.file + "\"");
        ASSERT_NE(at, std::string::npos);
        EXPECT_GT(at, previous);
        previous = at;
    }
}

}  // namespace
