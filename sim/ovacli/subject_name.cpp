#include "sim/ovacli/subject_name.h"

#include <algorithm>
#include <cstddef>
#include <string>

namespace {

enum Tag : std::uint8_t {
    kUtf8String = 0x0C,
    kPrintableString = 0x13,
    kT61String = 0x14,
    kIa5String = 0x16,
    kVisibleString = 0x1A,
    kUniversalString = 0x1C,
    kBmpString = 0x1E,
    kSequence = 0x30,
    kSet = 0x31,
};

// One DER element: its tag, where its content starts and how long it is, and where it ends.
struct Element {
    std::uint8_t tag = 0;
    std::size_t content = 0;
    std::size_t length = 0;
    std::size_t end = 0;
};

// The element at AT, which must end by LIMIT.
std::optional<Element> ReadElement(const Bytes& der, std::size_t at, std::size_t limit) {
    if (at + 2 > limit) return std::nullopt;
    Element e;
    e.tag = der[at];
    std::size_t length = der[at + 1];
    std::size_t header = 2;
    if (length & 0x80) {
        const std::size_t count = length & 0x7F;
        if (count == 0 || count > 4 || at + 2 + count > limit) return std::nullopt;
        length = 0;
        for (std::size_t i = 0; i < count; ++i) length = length << 8 | der[at + 2 + i];
        header += count;
    }
    if (length > limit - at - header) return std::nullopt;
    e.content = at + header;
    e.length = length;
    e.end = e.content + length;
    return e;
}

void PutLength(Bytes& out, std::size_t length) {
    if (length < 0x80) {
        out.push_back(static_cast<std::uint8_t>(length));
        return;
    }
    Bytes digits;
    for (; length; length >>= 8) digits.insert(digits.begin(), static_cast<std::uint8_t>(length));
    out.push_back(static_cast<std::uint8_t>(0x80 | digits.size()));
    out.insert(out.end(), digits.begin(), digits.end());
}

Bytes Encode(std::uint8_t tag, const Bytes& content) {
    Bytes out{tag};
    PutLength(out, content.size());
    out.insert(out.end(), content.begin(), content.end());
    return out;
}

void PutUtf8(std::string& out, std::uint32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The value of a string type in UTF-8; the one-byte types count as Latin-1, as OpenSSL reads them.
std::optional<std::string> ToUtf8(std::uint8_t tag, const std::uint8_t* p, std::size_t n) {
    std::string out;
    switch (tag) {
        case kUtf8String:
            return std::string(p, p + n);
        case kPrintableString:
        case kT61String:
        case kIa5String:
        case kVisibleString:
            for (std::size_t i = 0; i < n; ++i) PutUtf8(out, p[i]);
            return out;
        case kBmpString:
            if (n % 2) return std::nullopt;
            for (std::size_t i = 0; i < n; i += 2)
                PutUtf8(out, std::uint32_t{p[i]} << 8 | p[i + 1]);
            return out;
        case kUniversalString:
            if (n % 4) return std::nullopt;
            for (std::size_t i = 0; i < n; i += 4)
                PutUtf8(out, std::uint32_t{p[i]} << 24 | std::uint32_t{p[i + 1]} << 16 |
                                 std::uint32_t{p[i + 2]} << 8 | p[i + 3]);
            return out;
        default:
            return std::nullopt;  // not a string type that is made canonical
    }
}

bool IsAsciiSpace(unsigned char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::string Canonical(const std::string& text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsAsciiSpace(static_cast<unsigned char>(text[begin]))) ++begin;
    while (end > begin && IsAsciiSpace(static_cast<unsigned char>(text[end - 1]))) --end;
    std::string out;
    for (std::size_t i = begin; i < end;) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (IsAsciiSpace(c)) {
            out += ' ';
            while (i < end && IsAsciiSpace(static_cast<unsigned char>(text[i]))) ++i;
            continue;
        }
        out += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c);
        ++i;
    }
    return out;
}

// One type-and-value pair: its type copied, a string value made canonical, any other kept.
std::optional<Bytes> CanonicalPair(const Bytes& der, const Element& pair) {
    auto type = ReadElement(der, pair.content, pair.end);
    if (!type) return std::nullopt;
    auto value = ReadElement(der, type->end, pair.end);
    if (!value || value->end != pair.end) return std::nullopt;
    Bytes content(der.begin() + static_cast<long>(pair.content),
                  der.begin() + static_cast<long>(type->end));
    auto text = ToUtf8(value->tag, der.data() + value->content, value->length);
    if (text) {
        const std::string canonical = Canonical(*text);
        const Bytes encoded = Encode(kUtf8String, Bytes(canonical.begin(), canonical.end()));
        content.insert(content.end(), encoded.begin(), encoded.end());
    } else {
        content.insert(content.end(), der.begin() + static_cast<long>(type->end),
                       der.begin() + static_cast<long>(value->end));
    }
    return Encode(kSequence, content);
}

}  // namespace

std::optional<Bytes> CanonicalName(const Bytes& name) {
    auto sequence = ReadElement(name, 0, name.size());
    if (!sequence || sequence->tag != kSequence || sequence->end != name.size())
        return std::nullopt;
    Bytes out;
    for (std::size_t at = sequence->content; at < sequence->end;) {
        auto set = ReadElement(name, at, sequence->end);
        if (!set || set->tag != kSet) return std::nullopt;
        std::vector<Bytes> pairs;
        for (std::size_t p = set->content; p < set->end;) {
            auto pair = ReadElement(name, p, set->end);
            if (!pair || pair->tag != kSequence) return std::nullopt;
            auto canonical = CanonicalPair(name, *pair);
            if (!canonical) return std::nullopt;
            pairs.push_back(*canonical);
            p = pair->end;
        }
        // a DER set holds its members in the order of their encodings
        std::sort(pairs.begin(), pairs.end());
        Bytes content;
        for (const Bytes& pair : pairs) content.insert(content.end(), pair.begin(), pair.end());
        const Bytes encoded = Encode(kSet, content);
        out.insert(out.end(), encoded.begin(), encoded.end());
        at = set->end;
    }
    return out;
}

std::optional<Bytes> SubjectOfCertificate(const Bytes& certificate) {
    auto outer = ReadElement(certificate, 0, certificate.size());
    if (!outer || outer->tag != kSequence) return std::nullopt;
    auto tbs = ReadElement(certificate, outer->content, outer->end);
    if (!tbs || tbs->tag != kSequence) return std::nullopt;
    // version [0] (optional), serial number, signature algorithm, issuer, validity, subject
    std::size_t at = tbs->content;
    auto field = ReadElement(certificate, at, tbs->end);
    if (field && field->tag == 0xA0) {
        at = field->end;
    }
    for (int skipped = 0; skipped < 4; ++skipped) {
        field = ReadElement(certificate, at, tbs->end);
        if (!field) return std::nullopt;
        at = field->end;
    }
    auto subject = ReadElement(certificate, at, tbs->end);
    if (!subject || subject->tag != kSequence) return std::nullopt;
    return Bytes(certificate.begin() + static_cast<long>(at),
                 certificate.begin() + static_cast<long>(subject->end));
}

std::optional<Bytes> LeadingElement(const Bytes& der) {
    auto element = ReadElement(der, 0, der.size());
    if (!element) return std::nullopt;
    return Bytes(der.begin(), der.begin() + static_cast<long>(element->end));
}
