#include "dicom/uids.h"

#include <openssl/evp.h>

#include <cstdint>

#ifndef KAVIMO_VERSION
#define KAVIMO_VERSION "0"
#endif

namespace dicom {
namespace {

// kavimo's own namespace for its name-based UUIDs (a random version 4 UUID, fixed for good:
// changing it would change every UID ever sent).
constexpr uint8_t kNamespace[16] = {0x6b, 0x1e, 0x43, 0x0f, 0x9c, 0x52, 0x4d, 0x1a,
                                    0x8e, 0x27, 0x35, 0xd4, 0x90, 0x6a, 0x1c, 0xb3};

bool Digest(const EVP_MD* md, const void* a, size_t aSize, const void* b, size_t bSize, unsigned char* out) {
    EVP_MD_CTX* context = EVP_MD_CTX_new();
    if (!context) return false;
    unsigned int length = 0;
    const bool ok = EVP_DigestInit_ex(context, md, nullptr) == 1 && EVP_DigestUpdate(context, a, aSize) == 1 &&
                    (bSize == 0 || EVP_DigestUpdate(context, b, bSize) == 1) &&
                    EVP_DigestFinal_ex(context, out, &length) == 1;
    EVP_MD_CTX_free(context);
    return ok;
}

std::string Decimal(unsigned __int128 value) {
    if (value == 0) return "0";
    std::string digits;
    while (value != 0) {
        digits.insert(digits.begin(), char('0' + int(value % 10)));
        value /= 10;
    }
    return digits;
}

// The parts of a name, separated by a byte that no part holds.
std::string Name(const char* kind, const std::string& installationId, const std::string& a, const std::string& b) {
    std::string name = kind;
    for (const std::string* part : {&installationId, &a, &b}) {
        name += '\x1f';
        name += *part;
    }
    return name;
}

}  // namespace

std::string NameBasedUid(const std::string& name) {
    unsigned char hash[EVP_MAX_MD_SIZE];
    if (!Digest(EVP_sha1(), kNamespace, sizeof kNamespace, name.data(), name.size(), hash)) {
        return {};
    }
    hash[6] = uint8_t((hash[6] & 0x0f) | 0x50);  // version 5
    hash[8] = uint8_t((hash[8] & 0x3f) | 0x80);  // RFC 4122 variant
    unsigned __int128 value = 0;
    for (int i = 0; i < 16; ++i) value = (value << 8) | hash[i];
    return "2.25." + Decimal(value);
}

std::string StudyUid(const std::string& installationId, const std::string& patientId, const std::string& date) {
    return NameBasedUid(Name("study", installationId, patientId, date));
}

std::string SeriesUid(const std::string& installationId, const std::string& patientId, const std::string& date) {
    return NameBasedUid(Name("series", installationId, patientId, date));
}

std::string OrderSeriesUid(const std::string& installationId, const std::string& patientId, const std::string& studyUid,
                           const std::string& date) {
    return NameBasedUid(Name("order-series", installationId, patientId, studyUid + "/" + date));
}

std::string InstanceUid(const std::string& installationId, const std::string& patientId,
                        const std::string& pictureHash) {
    return NameBasedUid(Name("instance", installationId, patientId, pictureHash));
}

const std::string& ImplementationClassUid() {
    // One UID for every version: what a peer learns from it is "this is kavimo", and the version
    // name says which one.
    static const std::string uid = NameBasedUid("implementation class of kavimo");
    return uid;
}

const std::string& ImplementationVersionName() {
    static const std::string name = std::string("KAVIMO_" KAVIMO_VERSION).substr(0, 16);
    return name;
}

std::string Sha256Hex(const void* data, size_t size) {
    unsigned char hash[EVP_MAX_MD_SIZE];
    if (!Digest(EVP_sha256(), data, size, nullptr, 0, hash)) return {};
    static const char kHex[] = "0123456789abcdef";
    std::string text;
    for (int i = 0; i < 32; ++i) {
        text += kHex[hash[i] >> 4];
        text += kHex[hash[i] & 15];
    }
    return text;
}

}  // namespace dicom
