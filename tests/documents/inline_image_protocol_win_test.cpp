#include "documents/inline_image_protocol_win.h"

#include <gtest/gtest.h>

#include <vector>

#include "documents/com_ptr_win.h"
#include "documents/inline_image_resources_win.h"

namespace corvinata {
namespace {

// What urlmon would hear from a request.
class FakeSink final : public IInternetProtocolSink {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override { return *out = nullptr, E_NOINTERFACE; }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE Switch(PROTOCOLDATA*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ReportProgress(ULONG, LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ReportData(DWORD flags, ULONG progress, ULONG maximum) override {
        data.push_back({flags, progress, maximum});
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ReportResult(HRESULT result, DWORD, LPCWSTR) override {
        results.push_back(result);
        return S_OK;
    }
    std::vector<std::vector<ULONG>> data;
    std::vector<HRESULT> results;
};

class InlineImageProtocolTest : public ::testing::Test {
protected:
    InlineImageProtocolTest() {
        for (int i = 0; i < 10; ++i) first.push_back(static_cast<unsigned char>(i));
        for (int i = 0; i < 7; ++i) second.push_back(static_cast<unsigned char>(100 + i));
        table.Register(first.data(), 10);
        table.Register(second.data(), 7);
    }
    ComPtr<IInternetProtocol> NewRequest() {
        ComPtr<IInternetProtocol> request;
        EXPECT_EQ(protocol.CreateInstance(nullptr, IID_IInternetProtocol, request.OutVoid()), S_OK);
        return request;
    }
    static std::wstring UrlOf(const void* data, std::uint32_t size) {
        String url;
        InlineImageUrl(url, data, size);
        return url.Text();
    }
    // Reads in pieces of `piece` bytes until the request says the data ended.
    static std::vector<unsigned char> ReadAll(IInternetProtocol& request, ULONG piece, std::vector<HRESULT>* results) {
        std::vector<unsigned char> bytes;
        for (int guard = 0; guard < 100; ++guard) {
            unsigned char buffer[64];
            ULONG read = 99;
            const HRESULT result = request.Read(buffer, piece, &read);
            bytes.insert(bytes.end(), buffer, buffer + read);
            if (results) results->push_back(result);
            if (result != S_OK) break;
        }
        return bytes;
    }

    std::vector<unsigned char> first, second;
    InlineImageTable table;
    ProgramInlineImages pictures;
    InlineImageResolver resolver{table, pictures};
    InlineImageProtocol protocol{resolver};
    FakeSink sink;
};

TEST_F(InlineImageProtocolTest, ReadsInPiecesAndEndsWithTheLastByte) {
    struct Case {
        ULONG piece;
        std::vector<HRESULT> results;
    };
    const Case cases[] = {
        {4, {S_OK, S_OK, S_FALSE}},
        {5, {S_OK, S_FALSE}},  // a count equal to the rest ends the data
        {10, {S_FALSE}},
        {64, {S_FALSE}},
    };
    for (const Case& c : cases) {
        ComPtr<IInternetProtocol> request = NewRequest();
        ASSERT_EQ(request->Start(UrlOf(first.data(), 10).c_str(), &sink, nullptr, 0, 0), S_OK);
        EXPECT_EQ(sink.data.back(), (std::vector<ULONG>{BSCF_LASTDATANOTIFICATION, 10, 10}));
        std::vector<HRESULT> results;
        EXPECT_EQ(ReadAll(*request.Get(), c.piece, &results), first) << c.piece;
        EXPECT_EQ(results, c.results) << c.piece;
        ULONG read = 99;
        unsigned char byte;
        EXPECT_EQ(request->Read(&byte, 1, &read), S_FALSE);
        EXPECT_EQ(read, 0u);
    }
    EXPECT_TRUE(sink.results.empty());
}

TEST_F(InlineImageProtocolTest, FailedLookupIsReportedAndServesNothing) {
    ComPtr<IInternetProtocol> request = NewRequest();
    ASSERT_EQ(request->Start(UrlOf(first.data(), 10).c_str(), &sink, nullptr, 0, 0), S_OK);
    const HRESULT started =
        request->Start(L"CorvinataInlineImage://Memory/00000000/4096", &sink, nullptr, 0, 0);
    EXPECT_EQ(started, INET_E_RESOURCE_NOT_FOUND);
    ASSERT_EQ(sink.results.size(), 1u);
    EXPECT_EQ(sink.results[0], INET_E_RESOURCE_NOT_FOUND);
    EXPECT_EQ(sink.data.size(), 1u);
    EXPECT_TRUE(ReadAll(*request.Get(), 4, nullptr).empty());
}

TEST_F(InlineImageProtocolTest, InterleavedRequestsEachGetTheirOwnBytes) {
    ComPtr<IInternetProtocol> a = NewRequest();
    ComPtr<IInternetProtocol> b = NewRequest();
    a->Start(UrlOf(first.data(), 10).c_str(), &sink, nullptr, 0, 0);
    b->Start(UrlOf(second.data(), 7).c_str(), &sink, nullptr, 0, 0);
    std::vector<unsigned char> readA, readB;
    bool endA = false, endB = false;
    while (!endA || !endB) {
        unsigned char buffer[3];
        ULONG read = 0;
        if (!endA) {
            endA = a->Read(buffer, 3, &read) == S_FALSE;
            readA.insert(readA.end(), buffer, buffer + read);
        }
        if (!endB) {
            endB = b->Read(buffer, 3, &read) == S_FALSE;
            readB.insert(readB.end(), buffer, buffer + read);
        }
    }
    EXPECT_EQ(readA, first);
    EXPECT_EQ(readB, second);
}

TEST_F(InlineImageProtocolTest, InterfacesAreAnsweredAsAsked) {
    EXPECT_EQ(protocol.QueryInterface(IID_IUnknown, nullptr), E_INVALIDARG);
    struct Case {
        const IID* iid;
        HRESULT factory;
        HRESULT request;
    };
    const Case cases[] = {
        {&IID_IUnknown, S_OK, S_OK},
        {&IID_IClassFactory, S_OK, E_NOINTERFACE},
        {&IID_IInternetProtocolInfo, S_OK, E_NOINTERFACE},
        {&IID_IInternetProtocolRoot, E_NOINTERFACE, S_OK},
        {&IID_IInternetProtocol, E_NOINTERFACE, S_OK},
        {&IID_IDispatch, E_NOINTERFACE, E_NOINTERFACE},
    };
    for (const Case& c : cases) {
        void* out = this;
        EXPECT_EQ(protocol.QueryInterface(*c.iid, &out), c.factory);
        if (out != nullptr) static_cast<IUnknown*>(out)->Release();
        EXPECT_EQ(out == nullptr, FAILED(c.factory));
        out = this;
        EXPECT_EQ(protocol.CreateInstance(nullptr, *c.iid, &out), c.request);
        EXPECT_EQ(out == nullptr, FAILED(c.request));
        if (out != nullptr) {
            // The root part is the protocol's own table: Start works through it.
            auto* root = static_cast<IInternetProtocolRoot*>(out);
            EXPECT_EQ(root->Start(UrlOf(second.data(), 7).c_str(), &sink, nullptr, 0, 0), S_OK);
            EXPECT_EQ(root->Release(), 0u);
        }
    }
    EXPECT_EQ(protocol.References(), 0);
    void* out = this;
    EXPECT_EQ(protocol.CreateInstance(reinterpret_cast<IUnknown*>(&sink), IID_IUnknown, &out), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(out, nullptr);
}

}  // namespace
}  // namespace corvinata
