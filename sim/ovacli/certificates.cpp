#include "sim/ovacli/certificates.h"

#include "app/file_content.h"

#include <windows.h>
#include <wincrypt.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>

namespace {

constexpr char kPemBegin[] = "-----BEGIN CERTIFICATE-----";
constexpr char kPemEnd[] = "-----END CERTIFICATE-----";
constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::optional<Bytes> DecodeBase64(const std::string& text) {
    Bytes out;
    std::uint32_t bits = 0;
    int count = 0;
    for (char c : text) {
        if (c == '=' || c == '\r' || c == '\n' || c == ' ' || c == '\t') continue;
        const char* at = std::strchr(kBase64, c);
        if (!at || c == '\0') return std::nullopt;
        bits = bits << 6 | static_cast<std::uint32_t>(at - kBase64);
        if (++count == 4) {
            out.push_back(static_cast<std::uint8_t>(bits >> 16));
            out.push_back(static_cast<std::uint8_t>(bits >> 8));
            out.push_back(static_cast<std::uint8_t>(bits));
            bits = 0;
            count = 0;
        }
    }
    if (count == 1) return std::nullopt;
    if (count >= 2) out.push_back(static_cast<std::uint8_t>(bits >> (count == 2 ? 4 : 10)));
    if (count == 3) out.push_back(static_cast<std::uint8_t>(bits >> 2));
    return out;
}

// What a run of certificate calls keeps: crypt32, and the system's basic provider (advapi32's,
// whose module imports crypt32). Loading crypt32 reads its object identifiers from the registry,
// and each provider taken loads the provider's module: one certificate call costs that every time
// when both go with it.
struct CertificateRun {
    std::recursive_mutex lock;
    HMODULE crypt32 = nullptr;
    HCRYPTPROV provider = 0;
};
// A run still open when the process ends is left to the system: nothing releases a library while
// the process is being taken down.
CertificateRun& CurrentRun() {
    static CertificateRun run;
    return run;
}

// The export NAME of crypt32 as a FUNCTION, loaded for the run; null when it cannot be had.
template <typename Function>
Function* Crypt32Export(const char* name) {
    CertificateRun& run = CurrentRun();
    std::lock_guard<std::recursive_mutex> guard(run.lock);
    if (!run.crypt32) run.crypt32 = LoadLibraryA("crypt32.dll");
    return run.crypt32 ? reinterpret_cast<Function*>(
                             reinterpret_cast<void*>(GetProcAddress(run.crypt32, name)))
                       : nullptr;
}

// A digest by the run's provider.
std::optional<Bytes> Digest(ALG_ID algorithm, const Bytes& data) {
    CertificateRun& run = CurrentRun();
    std::lock_guard<std::recursive_mutex> guard(run.lock);
    if (!run.provider &&
        !CryptAcquireContextA(&run.provider, nullptr, nullptr, PROV_RSA_AES, CRYPT_VERIFYCONTEXT))
        run.provider = 0;
    const HCRYPTPROV provider = run.provider;
    if (!provider) return std::nullopt;
    std::optional<Bytes> digest;
    HCRYPTHASH hash = 0;
    if (CryptCreateHash(provider, algorithm, 0, 0, &hash)) {
        DWORD size = 64;
        Bytes value(size);
        if (CryptHashData(hash, data.data(), static_cast<DWORD>(data.size()), 0) &&
            CryptGetHashParam(hash, HP_HASHVAL, value.data(), &size, 0)) {
            value.resize(size);
            digest = value;
        }
        CryptDestroyHash(hash);
    }
    return digest;
}

// crypt32's release of a certificate context, found in the run.
struct ContextRelease {
    decltype(CertFreeCertificateContext)* release = nullptr;
    void operator()(PCCERT_CONTEXT context) const { release(context); }
};
using CertificateContext = std::unique_ptr<const CERT_CONTEXT, ContextRelease>;

// The certificate as crypt32 takes it, empty when crypt32 refuses it. It belongs to the run: the
// caller holds the run's lock while the context lives.
CertificateContext MakeContext(const Bytes& certificate) {
    auto* create =
        Crypt32Export<decltype(CertCreateCertificateContext)>("CertCreateCertificateContext");
    auto* release =
        Crypt32Export<decltype(CertFreeCertificateContext)>("CertFreeCertificateContext");
    if (!create || !release) return CertificateContext(nullptr, ContextRelease{});
    return CertificateContext(
        create(X509_ASN_ENCODING, certificate.data(), static_cast<DWORD>(certificate.size())),
        ContextRelease{release});
}

// No certificate file is this large; a larger one is not read into memory at every call.
constexpr std::size_t kLargestCertificateFile = 1 << 20;

// The certificate that the PEM text or the DER bytes of CONTENT begin with, what follows it left
// aside.
std::optional<Bytes> DecodeCertificate(const std::string& content) {
    const std::size_t begin = content.find(kPemBegin);
    if (begin == std::string::npos) return LeadingElement(Bytes(content.begin(), content.end()));
    const std::size_t body = begin + sizeof kPemBegin - 1;
    const std::size_t end = content.find(kPemEnd, body);
    if (end == std::string::npos) return std::nullopt;
    auto der = DecodeBase64(content.substr(body, end - body));
    return der ? LeadingElement(*der) : std::nullopt;
}

}  // namespace

void EndCertificateRun() {
    CertificateRun& run = CurrentRun();
    std::lock_guard<std::recursive_mutex> guard(run.lock);
    if (run.provider) CryptReleaseContext(run.provider, 0);  // before the crypt32 it imports
    run.provider = 0;
    if (run.crypt32) FreeLibrary(run.crypt32);
    run.crypt32 = nullptr;
}

std::optional<Bytes> ReadCertificateFile(const char* path) {
    auto content = ReadFileContent(path ? path : "", kLargestCertificateFile);
    auto certificate = content ? DecodeCertificate(*content) : std::nullopt;
    if (!certificate) return std::nullopt;
    // a file is a certificate only when crypt32 takes it for one, so that none of the calls names,
    // installs or describes what another would refuse
    std::lock_guard<std::recursive_mutex> guard(CurrentRun().lock);
    if (!MakeContext(*certificate)) return std::nullopt;
    return certificate;
}

std::optional<std::string> CertificateFileName(const Bytes& certificate) {
    auto subject = SubjectOfCertificate(certificate);
    auto canonical = subject ? CanonicalName(*subject) : std::nullopt;
    auto sha1 = canonical ? Digest(CALG_SHA1, *canonical) : std::nullopt;
    if (!sha1 || sha1->size() < 4) return std::nullopt;
    const unsigned long hash =
        static_cast<unsigned long>((*sha1)[0]) | static_cast<unsigned long>((*sha1)[1]) << 8 |
        static_cast<unsigned long>((*sha1)[2]) << 16 | static_cast<unsigned long>((*sha1)[3]) << 24;
    char name[16] = {};
    std::snprintf(name, sizeof name, "%08lx.0", hash);
    return std::string(name);
}

std::string ToPem(const Bytes& certificate) {
    std::string pem = std::string(kPemBegin) + "\n";
    std::string line;
    for (std::size_t i = 0; i < certificate.size(); i += 3) {
        const std::size_t n = std::min<std::size_t>(3, certificate.size() - i);
        std::uint32_t bits = std::uint32_t{certificate[i]} << 16;
        if (n > 1) bits |= std::uint32_t{certificate[i + 1]} << 8;
        if (n > 2) bits |= certificate[i + 2];
        // n bytes make n + 1 characters; '=' fills the group of four
        for (std::size_t k = 0; k < 4; ++k)
            line += k <= n ? kBase64[bits >> (18 - 6 * k) & 0x3F] : '=';
        if (line.size() == 64) {
            pem += line + "\n";
            line.clear();
        }
    }
    if (!line.empty()) pem += line + "\n";
    return pem + kPemEnd + "\n";
}

std::optional<CertificateTexts> DescribeCertificate(const Bytes& certificate) {
    std::lock_guard<std::recursive_mutex> guard(
        CurrentRun().lock);  // the run does not end meanwhile
    auto* nameString = Crypt32Export<decltype(CertGetNameStringA)>("CertGetNameStringA");
    auto* nameToText = Crypt32Export<decltype(CertNameToStrA)>("CertNameToStrA");
    const CertificateContext context = MakeContext(certificate);
    if (!nameString || !nameToText || !context) return std::nullopt;

    CertificateTexts texts;
    auto name = [&](CERT_NAME_BLOB* blob) {
        char text[1024] = {};
        nameToText(X509_ASN_ENCODING, blob, CERT_X500_NAME_STR | CERT_NAME_STR_REVERSE_FLAG, text,
                   sizeof text);
        return std::string(text);
    };
    texts.subject = name(&context->pCertInfo->Subject);
    texts.issuer = name(&context->pCertInfo->Issuer);
    char issuedTo[1024] = {};
    nameString(context.get(), CERT_NAME_SIMPLE_DISPLAY_TYPE, 0, nullptr, issuedTo, sizeof issuedTo);
    texts.issuedTo = issuedTo;
    SYSTEMTIME expiry = {};
    FileTimeToSystemTime(&context->pCertInfo->NotAfter, &expiry);
    char date[16] = {};
    std::snprintf(date, sizeof date, "%04u-%02u-%02u", expiry.wYear, expiry.wMonth, expiry.wDay);
    texts.expires = date;
    if (auto sha256 = Digest(CALG_SHA_256, certificate)) {
        for (std::uint8_t byte : *sha256) {
            char pair[4] = {};
            std::snprintf(pair, sizeof pair, texts.sha256.empty() ? "%02X" : ":%02X", byte);
            texts.sha256 += pair;
        }
    }
    texts.version = context->pCertInfo->dwVersion + 1;
    return texts;
}
