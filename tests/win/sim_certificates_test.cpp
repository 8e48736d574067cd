// The simulated library's certificates, made at build time with openssl: each is named in the
// Cert folder exactly as `openssl x509 -subject_hash` names it, from PEM and from DER alike, and
// described by the five texts of the certificate list.
#include "app/file_content.h"
#include "client/ovacli.h"
#include "tools/driver/driver.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

// The five list texts of the certificate file at PATH and its X.509 version; empty when refused.
std::vector<std::string> Describe(const std::string& path) {
    char texts[5][kQtvCertTextSize] = {};
    char error[kQtvErrorSize] = {};
    DWORD version = 0;
    if (!QTV_CLI_get_cert_info(path.c_str(), texts[0], texts[1], texts[2], texts[3], texts[4],
                               &version, error))
        return {};
    std::vector<std::string> described(std::begin(texts), std::end(texts));
    described.push_back(std::to_string(version));
    return described;
}

// The Cert folder's name for the certificate file at PATH; empty when refused.
std::string FileName(const std::string& path) {
    char name[MAX_PATH] = {}, error[kQtvErrorSize] = {};
    DWORD cell = 0;
    return QTV_CLI_get_cert_file_name(path.c_str(), name, &cell, error) ? name : "";
}

TEST(Certificates, AreNamedAsOpensslNamesThemAndDescribedForTheList) {
    const std::string folder = driver::OwnFolder() + "\\certs\\";
    std::istringstream names(ReadFileContent(folder + "names.txt").value_or(""));
    std::string certificate, hash;
    int checked = 0;
    while (names >> certificate >> hash) {
        for (const char* form : {".pem", ".der"})
            EXPECT_EQ(FileName(folder + certificate + form), hash + ".0") << certificate << form;
        ++checked;
    }
    EXPECT_GE(checked, 4) << "the build made the certificates";

    // the awkward subject's list texts
    const std::string der = folder + "awkward.der";
    const std::vector<std::string> texts = Describe(der);
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_EQ(texts[1], "MiXeD Case   Root");
    EXPECT_EQ(texts[2].size(), 10u) << texts[2];
    EXPECT_EQ(texts[4].size(), 32u * 3 - 1) << "SHA-256 as hexadecimal pairs";
    EXPECT_EQ(texts[5], "3") << "the X.509 version";
}

// Only what crypt32 takes for a certificate counts, and of a file only its first certificate:
// what follows it changes neither its name nor its texts nor what is installed. Installed from
// DER, a certificate is kept as PEM and names the same.
TEST(Certificates, AFileCountsForItsFirstCertificateAndForNothingElse) {
    const std::string folder = driver::OwnFolder() + "\\certs\\";
    const std::string der = ReadFileContent(folder + "awkward.der").value_or("");
    const std::string pem = ReadFileContent(folder + "awkward.pem").value_or("");
    ASSERT_FALSE(der.empty() || pem.empty());
    const std::string clean = folder + "clean.0";
    ASSERT_NE(QTV_CLI_install_cert((folder + "awkward.der").c_str(), clean.c_str()), 0);
    EXPECT_EQ(ReadFileContent(clean).value_or("").rfind("-----BEGIN CERTIFICATE-----", 0), 0u);
    EXPECT_EQ(FileName(clean), FileName(folder + "awkward.der"));
    const std::pair<std::string, bool> files[] = {
        {"0", false},
        {"-----BEGIN CERTIFICATE-----\n-----END CERTIFICATE-----\n", false},
        {der.substr(0, der.size() - 10), false},    // cut short
        {der + std::string(1 << 20, '\0'), false},  // larger than any certificate file
        {der + "\x30\x03junk", true},
        {pem + pem, true},
    };
    for (const auto& [content, taken] : files) {
        SCOPED_TRACE(content.substr(0, 12));
        const std::string path = folder + "trial.crt", target = folder + "trial.0";
        std::ofstream(path, std::ios::binary) << content;
        EXPECT_EQ(FileName(path), taken ? FileName(clean) : "");
        EXPECT_EQ(QTV_CLI_install_cert(path.c_str(), target.c_str()) != 0, taken);
        EXPECT_EQ(ReadFileContent(target), taken ? ReadFileContent(clean) : std::nullopt);
        EXPECT_EQ(Describe(path), taken ? Describe(clean) : std::vector<std::string>{});
        DeleteFileA(path.c_str());
        DeleteFileA(target.c_str());
    }
    DeleteFileA(clean.c_str());
}

}  // namespace
