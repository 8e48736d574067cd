// Certificates as the client keeps them: files in PEM or DER form, named in the client's Cert
// folder as OpenSSL's hashed certificate folders name them, and described for the editor's list.
#pragma once

#include "sim/ovacli/subject_name.h"

#include <optional>
#include <string>

// The certificate in the file at PATH as DER, whether the file holds PEM or DER, without what may
// follow it (more PEM blocks, stray bytes); nothing when the file holds no certificate that
// crypt32 takes, or is larger than any certificate file (1 MiB).
std::optional<Bytes> ReadCertificateFile(const char* path);

// "%08lx.0" from the subject name's hash, as `openssl x509 -subject_hash` prints it.
std::optional<std::string> CertificateFileName(const Bytes& certificate);

// The certificate as PEM text, the form the Cert folder keeps.
std::string ToPem(const Bytes& certificate);

struct CertificateTexts {
    std::string subject;   // the whole subject name
    std::string issuedTo;  // the name the certificate is issued to
    std::string expires;   // the last day it is valid, "YYYY-MM-DD"
    std::string issuer;    // the whole issuer name
    std::string sha256;    // the fingerprint, upper-case hexadecimal pairs joined by ':'
    unsigned version = 0;  // the X.509 version, 1 to 3
};
std::optional<CertificateTexts> DescribeCertificate(const Bytes& certificate);

// crypt32 and the hash provider are loaded by the first certificate call that needs them and kept
// while certificate calls follow one another (the editor lists its Cert folder one call a file);
// this ends such a run and releases them. Every library call of another kind ends the run.
void EndCertificateRun();
