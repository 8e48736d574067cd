// The help file of a fresh installation: the compiled help that the editor's Help button opens at
// its main topic, read through the its: protocol the way the help viewer resolves
// "file.chm::/topic".
#include "sim/common/sim_state.h"
#include "tools/driver/driver.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <urlmon.h>

#include <string>

namespace {

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

TEST(SimHelp, TheInstalledHelpOpensAtTheHelpButtonsTopic) {
    ASSERT_EQ(driver::Run("\"" + driver::OwnFolder() + "\\ovasim.exe\" reset"), 0);
    ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    TopicReader reader;
    const std::string url = "its:" + std::string(sim::kInstallDir) + "\\OvaHelp.chm::/";
    EXPECT_EQ(::URLOpenStreamA(nullptr, (url + "OvantaMain.htm").c_str(), 0, &reader), S_OK);
    // The editor opens this one topic in either language, so it carries both, headed by the
    // editor's window title.
    EXPECT_NE(reader.Text().find("<title>Ovanta Settings</title>"), std::string::npos);
    EXPECT_NE(reader.Text().find("<h1><a name=\"en\">Ovanta Settings</a>"), std::string::npos);
    EXPECT_NE(reader.Text().find(u8"<h1><a name=\"ko\">Ovanta 환경 설정</a>"), std::string::npos);

    // A topic the file does not hold fails: the handler looks inside the file.
    TopicReader missing;
    EXPECT_TRUE(FAILED(::URLOpenStreamA(nullptr, (url + "NoSuch.htm").c_str(), 0, &missing)));
    EXPECT_TRUE(missing.Text().empty());
    ::CoUninitialize();
}

}  // namespace
