// The simulated library's certificates, made at build time with openssl: each is named in the
// Cert folder exactly as `openssl x509 -subject_hash` names it, from PEM and from DER alike, and
// described by the five texts of the certificate list.
#include "app/file_content.h"
#include "client/ovacli.h"
#include "tools/driver/driver.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <sstream>
#include <string>

namespace {

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

}  // namespace
