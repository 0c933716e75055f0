#include "util/CTextCodec.h"

#include "util/Utf8.h"

#include <cerrno>
#include <iconv.h>

namespace {

const auto kInvalidDescriptor = reinterpret_cast<iconv_t>(-1);

} // namespace

class CTextCodec::Descriptor {
public:
    Descriptor(const char* to, const char* from) : m_handle(iconv_open(to, from)) {}
    ~Descriptor() {
        if (m_handle != kInvalidDescriptor) {
            iconv_close(m_handle);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    bool IsOpen() const { return m_handle != kInvalidDescriptor; }

    // 0 on success, else the errno iconv stopped with.
    int Convert(std::string_view in, std::string& out) {
        iconv(m_handle, nullptr, nullptr, nullptr, nullptr); // back to the initial state
        out.clear();
        auto* inPtr = const_cast<char*>(in.data());
        size_t inLeft = in.size();
        char buffer[256];
        while (inLeft > 0) {
            char* outPtr = buffer;
            size_t outLeft = sizeof(buffer);
            const size_t result = iconv(m_handle, &inPtr, &inLeft, &outPtr, &outLeft);
            out.append(buffer, sizeof(buffer) - outLeft);
            if (result == static_cast<size_t>(-1) && errno != E2BIG) {
                const int error = errno;
                out.clear();
                return error;
            }
        }
        char* outPtr = buffer;
        size_t outLeft = sizeof(buffer);
        iconv(m_handle, nullptr, nullptr, &outPtr, &outLeft);
        out.append(buffer, sizeof(buffer) - outLeft);
        return 0;
    }

private:
    iconv_t m_handle;
};

CTextCodec::CTextCodec()
    : m_toCp932(std::make_unique<Descriptor>("CP932", "UTF-8")),
      m_toUtf8(std::make_unique<Descriptor>("UTF-8", "CP932")) {}

CTextCodec::~CTextCodec() = default;

bool CTextCodec::IsAvailable() const {
    return m_toCp932->IsOpen() && m_toUtf8->IsOpen();
}

int32_t CTextCodec::Utf8ToCp932(std::string_view utf8, std::string& out) {
    out.clear();
    if (!IsAvailable()) {
        return kUnavailable;
    }
    if (!IsWellFormedUtf8(utf8)) {
        return kInvalidInput;
    }
    const int error = m_toCp932->Convert(utf8, out);
    if (error == 0) {
        return kOk;
    }
    return error == EILSEQ ? kUnrepresentable : kInvalidInput;
}

int32_t CTextCodec::Cp932ToUtf8(std::string_view cp932, std::string& out) {
    out.clear();
    if (!IsAvailable()) {
        return kUnavailable;
    }
    return m_toUtf8->Convert(cp932, out) == 0 ? kOk : kInvalidInput;
}

int32_t CTextCodec::ToCp932(std::string_view utf8, std::string& out) {
    CTextCodec codec;
    return codec.Utf8ToCp932(utf8, out);
}

int32_t CTextCodec::ToUtf8(std::string_view cp932, std::string& out) {
    CTextCodec codec;
    return codec.Cp932ToUtf8(cp932, out);
}
