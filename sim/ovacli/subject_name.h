// The canonical form of a certificate's subject name, as OpenSSL's hashed certificate folders
// name their files: every string value in UTF-8, without leading and trailing white space, runs
// of white space made one space, ASCII letters in lower case; each part of the name re-encoded
// as a DER set (its values sorted), the parts one after the other without the outer sequence.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// The canonical encoding of the DER-encoded Name NAME, or nothing when NAME is not a well-formed
// Name.
std::optional<Bytes> CanonicalName(const Bytes& name);

// The Name of the subject inside a DER-encoded X.509 certificate, or nothing when the
// certificate is not well-formed as far as the subject.
std::optional<Bytes> SubjectOfCertificate(const Bytes& certificate);

// The DER element at the start of DER, without whatever follows it; nothing when DER does not
// hold a whole element.
std::optional<Bytes> LeadingElement(const Bytes& der);
