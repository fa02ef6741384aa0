// SPDX-License-Identifier: GPL-3.0-or-later
// A strict UTF-8 decoder. The allowed range of each lead byte's second byte
// rules out overlong forms, surrogates and values above U+10FFFF up front, so
// a malformed piece ends at the first byte that cannot continue it (the
// "maximal subpart" rule most toolkits follow).
#include "exchange/utf8_decode.h"

namespace velmar {

namespace {

struct LeadByte {
    int continuations = -1;                // -1: cannot start a sequence
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    char32_t bits = 0;
};

LeadByte Classify(unsigned char b) {
    if (b >= 0xC2 && b <= 0xDF) return {1, 0x80, 0xBF, b & 0x1Fu};
    if (b == 0xE0) return {2, 0xA0, 0xBF, b & 0x0Fu};
    if (b == 0xED) return {2, 0x80, 0x9F, b & 0x0Fu};
    if (b >= 0xE1 && b <= 0xEF) return {2, 0x80, 0xBF, b & 0x0Fu};
    if (b == 0xF0) return {3, 0x90, 0xBF, b & 0x07u};
    if (b >= 0xF1 && b <= 0xF3) return {3, 0x80, 0xBF, b & 0x07u};
    if (b == 0xF4) return {3, 0x80, 0x8F, b & 0x07u};
    return {};
}

} // namespace

std::u32string DecodeUtf8(std::string_view bytes) {
    // Never more characters than bytes: write into a buffer of that size.
    std::u32string out(bytes.size(), 0);
    char32_t* const begin = out.data();
    char32_t* to = begin;
    const auto* from = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = from + bytes.size();
    while (from != end) {
        const unsigned char b = *from++;
        if (b < 0x80) {
            *to++ = b;
            continue;
        }
        const LeadByte lead = Classify(b);
        char32_t value = lead.bits;
        unsigned char low = lead.low, high = lead.high;
        int k = 0;
        for (; k < lead.continuations && from != end && *from >= low && *from <= high; ++k) {
            value = (value << 6) | (*from++ & 0x3Fu);
            low = 0x80;
            high = 0xBF;
        }
        *to++ = lead.continuations >= 0 && k == lead.continuations ? value : kReplacementChar;
    }
    out.resize(static_cast<std::size_t>(to - begin));
    return out;
}

} // namespace velmar
