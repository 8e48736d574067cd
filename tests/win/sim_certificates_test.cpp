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

void Put(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

TEST(Certificates, AreNamedAsOpensslNamesThemAndDescribedForTheList) {
    const std::string folder = driver::OwnFolder() + "\\certs\\";
    std::istringstream names(ReadFileContent(folder + "names.txt").value_or(""));
    std::string certificate, hash;
    int checked = 0;
    while (names >> certificate >> hash) {
        for (const char* form : {".pem", ".der"}) {
            const std::string path = folder + certificate + form;
            char fileName[MAX_PATH] = {}, error[kQtvErrorSize] = {};
            DWORD cell = 0;
            EXPECT_NE(QTV_CLI_get_cert_file_name(path.c_str(), fileName, &cell, error), 0) << path;
            EXPECT_EQ(std::string(fileName), hash + ".0") << path;
        }
        ++checked;
    }
    EXPECT_GE(checked, 4) << "the build made the certificates";

    // the awkward subject's list texts; installed from DER, it is kept as PEM and names the same
    char texts[5][kQtvCertTextSize] = {};
    char error[kQtvErrorSize] = {};
    DWORD version = 0;
    const std::string der = folder + "awkward.der";
    ASSERT_NE(QTV_CLI_get_cert_info(der.c_str(), texts[0], texts[1], texts[2], texts[3], texts[4],
                                    &version, error),
              0);
    EXPECT_EQ(std::string(texts[1]), "MiXeD Case   Root");
    EXPECT_EQ(std::string(texts[2]).size(), 10u) << texts[2];
    EXPECT_EQ(std::string(texts[4]).size(), 32u * 3 - 1) << "SHA-256 as hexadecimal pairs";
    EXPECT_EQ(version, 3u);
    const std::string installed = folder + "installed.0";
    EXPECT_NE(QTV_CLI_install_cert(der.c_str(), installed.c_str()), 0);
    EXPECT_EQ(ReadFileContent(installed).value_or("").rfind("-----BEGIN CERTIFICATE-----", 0), 0u);
    char again[MAX_PATH] = {}, expected[MAX_PATH] = {};
    DWORD cell = 0;
    QTV_CLI_get_cert_file_name(installed.c_str(), again, &cell, error);
    QTV_CLI_get_cert_file_name(der.c_str(), expected, &cell, error);
    EXPECT_STREQ(again, expected);
    DeleteFileA(installed.c_str());
}

// The list texts of the certificate file at PATH, the fingerprint last; empty when refused.
std::vector<std::string> Describe(const std::string& path) {
    char texts[5][kQtvCertTextSize] = {};
    char error[kQtvErrorSize] = {};
    DWORD version = 0;
    if (!QTV_CLI_get_cert_info(path.c_str(), texts[0], texts[1], texts[2], texts[3], texts[4],
                               &version, error))
        return {};
    return {std::begin(texts), std::end(texts)};
}

// Only what crypt32 takes for a certificate counts, and of a file only its first certificate:
// what follows it changes neither its name nor its texts nor what is installed.
TEST(Certificates, AFileCountsForItsFirstCertificateAndForNothingElse) {
    const std::string folder = driver::OwnFolder() + "\\certs\\";
    const std::string der = ReadFileContent(folder + "awkward.der").value_or("");
    const std::string pem = ReadFileContent(folder + "awkward.pem").value_or("");
    ASSERT_FALSE(der.empty() || pem.empty());
    const std::string clean = folder + "clean.0";
    ASSERT_NE(QTV_CLI_install_cert((folder + "awkward.der").c_str(), clean.c_str()), 0);
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
        Put(path, content);
        char fileName[MAX_PATH] = {}, error[kQtvErrorSize] = {};
        DWORD cell = 0;
        EXPECT_EQ(QTV_CLI_get_cert_file_name(path.c_str(), fileName, &cell, error) != 0, taken);
        EXPECT_EQ(QTV_CLI_install_cert(path.c_str(), target.c_str()) != 0, taken);
        EXPECT_EQ(ReadFileContent(target), taken ? ReadFileContent(clean) : std::nullopt);
        EXPECT_EQ(Describe(path), taken ? Describe(clean) : std::vector<std::string>{});
        DeleteFileA(path.c_str());
        DeleteFileA(target.c_str());
    }
    DeleteFileA(clean.c_str());
}

}  // namespace
